#pragma once

#include "BookLock.h"
#include "CustomSQLiteStartupController.h"

class IHistoryMenuView;
class TDataAccessFacade;
class TLoanBookChecker;

// The program's start-up: connects the data-access facade to the last used
// loan book or to one the user chooses, keeping its name in the settings store.
class TStartUpController : public TCustomSQLiteStartupController
{
public:
    // Connects the facade. A given file (a switch of books; an empty name
    // asks the user) is opened and checked on a connection of its own first:
    // only when it passed is the facade moved onto it; otherwise the result is
    // false and the book in use, its connection and the settings stay as they were.
    bool ConnectToDatabase(TConnectMode mode, const QString& fileName);
    // Puts the facade, the stored connection string and the lock on that
    // book, one already checked (also to go back to the previous one).
    void UseBook(const QString& fileName);

    // Points the recent-databases list's change notification at the view.
    void BindHistoryToMainWindow();
    // The main window's history menu; borrowed, and must stay until the
    // program's single instances are gone.
    void SetHistoryMenuView(IHistoryMenuView* view) { m_historyMenuView = view; }

    // The file of the loan book in use.
    QString ConnectedFileName() const;

    // Caption and text of the question asked when another program has the book open.
    static const QString OpenTwiceCaption;
    static QString OpenTwiceText(const QString& book, const TBookLockOwner& owner);

protected:
    // Asks before opening a book another program has open.
    bool AcceptConnection() override;
    bool AskReconnectAfterVersionMismatch(const TDBVersion& expected, const std::optional<TDBVersion>& found) override;

private:
    bool ConnectFacade(TConnectMode mode, TDataAccessFacade& facade);
    // A settings file that is no regular file is left alone; the user is told why.
    void WarnOfUnusableSettings();

    IHistoryMenuView* m_historyMenuView = nullptr;
    TBookLock m_lock;
    // While a connection is tried: its facade and the check of its file.
    TDataAccessFacade* m_connecting = nullptr;
    TLoanBookChecker* m_checker = nullptr;
};

// The program's start-up controller, created on first use.
TStartUpController* StartUpController();
// Destroys it at the program's end.
void FreeStartUpController();
