#include "StartUpController.h"

#include "ClassName.h"
#include "IHistoryMenuView.h"
#include "LoanBookChecker.h"
#include "data/DataAccessFacade.h"
#include "domain/Exception.h"
#include "settings/FileChecks.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/SQLiteConnection.h"
#include "ui/MessageBoxes.h"
#include "ui/SQLiteConnectionBuildDialog.h"

#include <QFileInfo>

const QString TStartUpController::ReconnectCaption = QStringLiteral("Проблемы при подключении к базе данных.");
const QString TStartUpController::OpenTwiceCaption = QStringLiteral("Книга займов уже открыта");

namespace {

const QString ReconnectQuestion = QStringLiteral("Настроить подключение снова?");

// True when a file exists under the connection's file name and opens; the
// connection is left closed. A failure is not reported.
bool TestOpenDatabase(TSQLiteConnection& connection)
{
    if (!QFileInfo(connection.FileName()).isFile())
        return false;
    try {
        // Closed first: the connection may still hold the previous file open.
        connection.Close();
        connection.Open();
        connection.Close();
        return true;
    } catch (const Exception&) {
        connection.Close();
        return false;
    }
}

}

TStartUpQuestions TStartUpController::UserQuestions()
{
    return {[](const QString& caption, const QString& text) { return AskWarningQuestion(caption, text); },
            [](const QString& startFolder) -> std::optional<QString> {
                TSQLiteConnectionBuildDialog dialog;
                if (!startFolder.isEmpty())
                    dialog.SetStartFolder(startFolder);
                if (!dialog.Execute())
                    return std::nullopt;
                return dialog.GetFileName();
            }};
}

TStartUpController::TStartUpController(TDataAccessFacade& facade, TSimpleSettingsManager& settings,
                                       THistoryManager& history, TStartUpQuestions questions)
    : m_facade(facade)
    , m_settings(settings)
    , m_history(history)
    , m_questions(std::move(questions))
{
}

bool TStartUpController::ConnectToDatabase(TConnectMode mode, const QString& fileName)
{
    BindHistoryToMainWindow();
    TDataAccessFacade* facade = &m_facade;
    if (mode == cmStoredSettings)
        WarnOfUnusableSettings();
    if (mode != cmGivenFile) {
        facade->Connection().SetFileName(fileName);
        const bool connected = ConnectFacade(mode, *facade);
        if (connected)
            m_lock.Hold(facade->Connection().FileName());
        return connected;
    }
    // The book in use keeps serving until the new one has passed every check.
    TDataAccessFacade candidate;
    candidate.Connection().SetFileName(fileName);
    if (!ConnectFacade(mode, candidate))
        return false;
    const QString chosen = candidate.Connection().FileName();
    candidate.Connection().Close();
    UseBook(chosen);
    return true;
}

bool TStartUpController::ConnectFacade(TConnectMode mode, TDataAccessFacade& facade)
{
    TLoanBookChecker checker(facade);
    const QString given = mode == cmGivenFile ? facade.Connection().FileName() : QString();
    return Connect(mode, facade, given, checker);
}

bool TStartUpController::Connect(TConnectMode mode, TDataAccessFacade& facade, QString connectionString,
                                 TLoanBookChecker& checker)
{
    // Only a given file is taken as it is; otherwise the settings or the user say which.
    if (mode != cmGivenFile)
        connectionString.clear();
    if (mode == cmStoredSettings)
        connectionString = ReadConnectionString();
    bool result = false;
    try {
        if (OpenDatabase(connectionString, facade.Connection())) {
            std::optional<TDBVersion> found;
            if (checker.VerifyDBVersion(RequiredDBVersion(), found)) {
                result = AcceptConnection(facade);
                if (result)
                    WriteConnectionString(facade.Connection().FileName());
            } else if (AskReconnectAfterVersionMismatch(checker, found)) {
                result = Connect(cmReconfigure, facade, QString(), checker);
            }
        } else if (mode != cmGivenFile) {
            if (m_questions.AskReconnect(
                    ReconnectCaption,
                    QStringLiteral("При подключении к базе данных возникла ошибка.\r\n") + ReconnectQuestion))
                result = Connect(cmReconfigure, facade, QString(), checker);
        }
    } catch (const Exception& error) {
        // An accepted connection stands even when storing it failed.
        ShowConnectionError(error);
    }
    return result;
}

bool TStartUpController::OpenDatabase(const QString& connectionString, TSQLiteConnection& connection)
{
    if (!connectionString.trimmed().isEmpty()) {
        connection.SetFileName(connectionString);
    } else {
        const QString current = connection.FileName();
        connection.Close();
        const std::optional<QString> chosen =
            m_questions.ChooseDatabaseFile(current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
        if (chosen)
            connection.SetFileName(*chosen);
    }
    const bool opened = TestOpenDatabase(connection);
    if (opened)
        m_history.Add(connection.FileName());
    return opened;
}

QString TStartUpController::VersionMismatchText(const TDBVersion& expected, const std::optional<TDBVersion>& found)
{
    QString text;
    if (found)
        text = QStringLiteral("Найдена база данных:\r\n  %1.\r\nА для корректной работы системы необходима база "
                              "данных:\r\n  %2.")
                   .arg(DescribeVersion(found), DescribeVersion(expected));
    else
        text = QStringLiteral("Не найдена информация о типе и версии базы данных.");
    return text + QStringLiteral("\r\n\r\n") + ReconnectQuestion;
}

bool TStartUpController::AskReconnectAfterVersionMismatch(const TLoanBookChecker& checker,
                                                          const std::optional<TDBVersion>& found)
{
    if (checker.Defect().isEmpty())
        return m_questions.AskReconnect(ReconnectCaption, VersionMismatchText(RequiredDBVersion(), found));
    return m_questions.AskReconnect(ReconnectCaption,
                                    checker.Defect()
                                        + QStringLiteral("\r\nС такой базой данных система работать не может.\r\n\r\n")
                                        + ReconnectQuestion);
}

void TStartUpController::ShowConnectionError(const Exception& error)
{
    ShowErrorBox(QStringLiteral("Ошибка"), QStringLiteral("Возникла ошибка: \r\n«") + error.Message()
                                                   + QStringLiteral("»") + QStringLiteral(" (")
                                                   + ClassNameOf(error) + QStringLiteral(")"));
}

void TStartUpController::WarnOfUnusableSettings()
{
    const QString problem = m_settings.FileProblem();
    if (!problem.isEmpty())
        ShowMessageBox({QMessageBox::Warning, QStringLiteral("Настройки Varnel"),
                        QStringLiteral("Настройки Varnel не прочитаны: %1\r\nДо исправления программа не помнит "
                                       "последнюю книгу займов и не сохраняет настройки.")
                            .arg(problem),
                        QMessageBox::Ok});
}

QString TStartUpController::ReadConnectionString()
{
    return m_settings.GetSetting(TSimpleSettingsManager::ConnectionStringSection,
                                        TSimpleSettingsManager::ConnectionStringIdent, QString());
}

void TStartUpController::WriteConnectionString(const QString& value)
{
    m_settings.SetSettingValue(TSimpleSettingsManager::ConnectionStringSection,
                                      TSimpleSettingsManager::ConnectionStringIdent, value);
}

void TStartUpController::UseBook(const QString& fileName)
{
    TSQLiteConnection& connection = m_facade.Connection();
    connection.Close();
    connection.SetFileName(fileName);
    connection.Open();
    WriteConnectionString(connection.FileName());
    m_lock.Hold(connection.FileName());
}

void TStartUpController::BindHistoryToMainWindow()
{
    IHistoryMenuView* view = m_historyMenuView;
    if (!view) {
        m_history.SetOnChange(nullptr);
        return;
    }
    m_history.SetOnChange(
        [view](THistoryManager& manager, const QStringList& entries) { view->RefreshHistoryMenu(manager, entries); });
}

QString TStartUpController::ConnectedFileName() const
{
    return m_facade.Connection().FileName();
}

bool TStartUpController::AcceptConnection(TDataAccessFacade& facade)
{
    const QString book = facade.Connection().FileName();
    const std::optional<TBookLockOwner> owner = TBookLock::OtherHolder(book);
    if (!owner)
        return true;
    const TMessageBoxRequest request{QMessageBox::Warning, OpenTwiceCaption, OpenTwiceText(book, *owner),
                                     QMessageBox::Open | QMessageBox::Cancel};
    return ShowMessageBox(request, {{QMessageBox::Open, QStringLiteral("Открыть всё равно")},
                                    {QMessageBox::Cancel, QStringLiteral("Отмена")}})
        == QMessageBox::Open;
}

QString TStartUpController::OpenTwiceText(const QString& book, const TBookLockOwner& owner)
{
    const QString since = owner.Since.isValid()
        ? QStringLiteral(", с %1").arg(owner.Since.toString(QStringLiteral("dd.MM.yyyy hh:mm")))
        : QString();
    return QStringLiteral("Книга займов «%1» уже открыта в другой программе:\r\nкомпьютер «%2», пользователь «%3»%4."
                          "\r\n\r\nДве программы на одной книге видят изменения друг друга лишь через несколько "
                          "секунд. Открыть её здесь всё равно?")
        .arg(ShortPath(book), owner.Host, owner.User.isEmpty() ? QStringLiteral("?") : owner.User, since);
}
