#pragma once

#include "CustomSQLiteStartupController.h"

class IHistoryMenuView;

// The program's start-up: connects the data-access facade to the last used
// loan book or to one the user chooses, with its settings under the user's
// application-data folder (Tolvik/Varnel/1.0/Settings.ini).
class TStartUpController : public TCustomSQLiteStartupController
{
public:
    // Connects the facade. For a given file (a switch of books) it never
    // fails as a whole: when the new file is refused, the previous one is
    // opened again and the result is true. An empty given name asks the user.
    bool ConnectToDatabase(TConnectMode mode, const QString& fileName);

    // Points the recent-databases list's change notification at the view.
    void BindHistoryToMainWindow();
    // The main window's history menu; borrowed, and must stay until the
    // program's single instances are gone.
    void SetHistoryMenuView(IHistoryMenuView* view) { m_historyMenuView = view; }

    // The file of the loan book in use.
    QString ConnectedFileName() const;

protected:
    bool AcceptConnection() override;
    std::unique_ptr<TCustomFileNameComposer> CreateFileNameComposer() override;

private:
    IHistoryMenuView* m_historyMenuView = nullptr;
};

// The program's start-up controller, created on first use.
TStartUpController* StartUpController();
// Destroys it (with its file-name composer) at the program's end.
void FreeStartUpController();
