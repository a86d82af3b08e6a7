#pragma once

#include <functional>

class QDialog;

// What a dialog's OK stores, handed to the dialog by the use case that shows
// it (the dialog itself knows nothing of the loan book). The dialog runs it
// when OK is pressed, once the caller's records hold the input:
// - stored: the dialog closes with OK;
// - a store that fails (read-only file, full disk, file in use, a refused
//   value) is shown in the program's error box and the dialog stays open with
//   everything typed, to be tried again or cancelled;
// - a decision the book no longer matches (another program changed what the
//   dialog shows) is shown too, and the dialog closes as cancelled: what it
//   shows is out of date, and the window reads the book anew.
// Without a store, OK simply closes the dialog.
class TStoreOnOk
{
public:
    void Set(std::function<void()> store) { m_store = std::move(store); }
    // Stores and closes the dialog as told above.
    void Finish(QDialog& dialog) const;

private:
    std::function<void()> m_store;
};
