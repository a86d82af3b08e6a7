#pragma once

#include <functional>

// What a dialog's OK stores, handed to the dialog by the use case that shows
// it (the dialog itself knows nothing of the loan book). The dialog runs it
// when OK is pressed, once the caller's records hold the input: a store that
// fails (read-only file, full disk, file in use) is shown in the program's
// error box and the dialog stays open with everything typed, to be tried
// again or cancelled. Without a store, OK simply closes the dialog.
class TStoreOnOk
{
public:
    void Set(std::function<void()> store) { m_store = std::move(store); }
    // True when the dialog may close: stored, or nothing to store.
    bool Run() const;

private:
    std::function<void()> m_store;
};
