#pragma once

#include "BookLock.h"
#include "data/DBVersion.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Exception;
class IHistoryMenuView;
class ILoanBookStore;
class TBookInUse;
class THistoryManager;
class TSimpleSettingsManager;
class TLoanBookChecker;

// How a connection attempt finds its database file.
enum TConnectMode {
    // Program start: the file stored in the settings; a failed open asks
    // whether to choose the database again.
    cmStoredSettings = 0,
    // The user chooses the file in the connection dialog; a failed open asks the same.
    cmReconfigure = 1,
    // The file already set on the connection (an empty one still leads to
    // the dialog); a failed open asks nothing.
    cmGivenFile = 2,
};

// The two questions of the start-up, answered by message box and dialog in
// the program and by a script in tests.
struct TStartUpQuestions
{
    // "Настроить подключение снова?" after a failed open or a refused book; yes is true.
    std::function<bool(const QString& caption, const QString& text)> AskReconnect;
    // The connection dialog, opened on the book given (a file's folder, a
    // server book's fields; empty: its own choice); the chosen book's
    // address, none when cancelled.
    std::function<std::optional<QString>(const QString& current)> ChooseDatabaseFile;
};

// The program's start-up: opens the last used loan book (a file or a server
// book) or one the user chooses, checks it, puts it in use and keeps its
// address in the settings store. Runs until a book is accepted or the user gives up: a failed
// open (except of a given file) or a refused book asks whether to choose the
// database again, and a yes starts over with the connection dialog. Errors
// of the system are shown and fail the attempt, unless the book had already
// been accepted.
class TStartUpController
{
public:
    static const QString ReconnectCaption;
    // Caption and text of the question asked when another program has the book open.
    static const QString OpenTwiceCaption;
    static QString OpenTwiceText(const QString& book, const TBookLockOwner& owner);
    // The question asked after a version check failed.
    static QString VersionMismatchText(const TDBVersion& expected, const std::optional<TDBVersion>& found);

    // The message box and the connection dialog.
    static TStartUpQuestions UserQuestions();

    // The parts are borrowed.
    TStartUpController(TBookInUse& book, TSimpleSettingsManager& settings, THistoryManager& history,
                       TStartUpQuestions questions = UserQuestions());

    // Opens a book and puts it in use. Every book (a given one: a switch of
    // books; an empty address asks the user) is opened and checked apart
    // first: only when it passed does it replace the book in use; otherwise
    // the result is false and the book in use and the settings stay as they were.
    bool ConnectToDatabase(TConnectMode mode, const QString& address);
    // Puts that book in use, one already checked (also to go back to the
    // previous one), with the stored connection string and the lock.
    void UseBook(const QString& address);

    // Points the recent-databases list's change notification at the view.
    void BindHistoryToMainWindow();
    // The main window's history menu; borrowed: the window takes it back
    // (nullptr, then BindHistoryToMainWindow) when it goes.
    void SetHistoryMenuView(IHistoryMenuView* view) { m_historyMenuView = view; }

    // How long a book file opened from now on waits for another program's lock.
    void SetBusyTimeout(int milliseconds) { m_busyTimeoutMs = milliseconds; }

    // The address of the loan book in use.
    QString ConnectedFileName() const;

private:
    // The book opened and checked; nothing when it was refused or the user gave up.
    std::unique_ptr<ILoanBookStore> Connect(TConnectMode mode, QString address);
    // A non-blank address is taken as it is; otherwise the connection dialog
    // asks (a cancelled dialog leaves the address last tried). The store
    // when that book opens; it is then listed among the recent books, before
    // its version is known.
    std::unique_ptr<ILoanBookStore> OpenDatabase(const QString& address);
    // Asks before opening a book file another program has open.
    bool AcceptConnection(const QString& address);
    // Keeps the book in use in the settings and, for a file, marks it as in use.
    void RememberBook(const QString& address);
    bool AskReconnectAfterVersionMismatch(const TLoanBookChecker& checker, const std::optional<TDBVersion>& found);
    static void ShowConnectionError(const Exception& error);
    // A settings file that is no regular file is left alone; the user is told why.
    void WarnOfUnusableSettings();
    QString ReadConnectionString();
    void WriteConnectionString(const QString& value);

    TBookInUse& m_book;
    // The address this connection attempt opened, or was to open.
    QString m_tried;
    // Why the server of the last attempt could not be reached; empty for a file.
    QString m_openFailure;
    TSimpleSettingsManager& m_settings;
    THistoryManager& m_history;
    TStartUpQuestions m_questions;
    IHistoryMenuView* m_historyMenuView = nullptr;
    TBookLock m_lock;
    int m_busyTimeoutMs;
};
