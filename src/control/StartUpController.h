#pragma once

#include "BookLock.h"
#include "data/DBVersion.h"

#include <QString>

#include <functional>
#include <optional>

class Exception;
class IHistoryMenuView;
class TDataAccessFacade;
class THistoryManager;
class TSimpleSettingsManager;
class TLoanBookChecker;
class TSQLiteConnection;

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
    // The connection dialog, opened in the folder given (empty: its own
    // choice); the chosen file, none when cancelled.
    std::function<std::optional<QString>(const QString& startFolder)> ChooseDatabaseFile;
};

// The program's start-up: connects the data-access facade to the last used
// loan book or to one the user chooses, checks it and keeps its name in the
// settings store. Runs until a book is accepted or the user gives up: a failed
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
    TStartUpController(TDataAccessFacade& facade, TSimpleSettingsManager& settings, THistoryManager& history,
                       TStartUpQuestions questions = UserQuestions());

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
    // The main window's history menu; borrowed: the window takes it back
    // (nullptr, then BindHistoryToMainWindow) when it goes.
    void SetHistoryMenuView(IHistoryMenuView* view) { m_historyMenuView = view; }

    // The file of the loan book in use.
    QString ConnectedFileName() const;

private:
    bool ConnectFacade(TConnectMode mode, TDataAccessFacade& facade);
    bool Connect(TConnectMode mode, TDataAccessFacade& facade, QString connectionString, TLoanBookChecker& checker);
    // Puts a non-blank connection string on the connection as its file name;
    // otherwise asks for the file in the connection dialog (a cancelled dialog
    // leaves the name as it was). True when that file opens; it is then listed
    // among the recent books, before its version is known.
    bool OpenDatabase(const QString& connectionString, TSQLiteConnection& connection);
    // Asks before opening a book another program has open.
    bool AcceptConnection(TDataAccessFacade& facade);
    bool AskReconnectAfterVersionMismatch(const TLoanBookChecker& checker, const std::optional<TDBVersion>& found);
    static void ShowConnectionError(const Exception& error);
    // A settings file that is no regular file is left alone; the user is told why.
    void WarnOfUnusableSettings();
    QString ReadConnectionString();
    void WriteConnectionString(const QString& value);

    TDataAccessFacade& m_facade;
    TSimpleSettingsManager& m_settings;
    THistoryManager& m_history;
    TStartUpQuestions m_questions;
    IHistoryMenuView* m_historyMenuView = nullptr;
    TBookLock m_lock;
};
