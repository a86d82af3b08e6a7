#include "StartUpController.h"

#include "ClassName.h"
#include "IHistoryMenuView.h"
#include "BookInUse.h"
#include "LoanBookChecker.h"
#include "data/DataAccessFacade.h"
#include "domain/Exception.h"
#include "domain/ServerAddress.h"
#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "settings/FileChecks.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/SQLiteConnection.h"
#include "ui/MessageBoxes.h"
#include "ui/SQLiteConnectionBuildDialog.h"
#include "ui/ServerPasswordForm.h"

#include <QFileInfo>

const QString TStartUpController::ReconnectCaption = QStringLiteral("Проблемы при подключении к базе данных.");
const QString TStartUpController::OpenTwiceCaption = QStringLiteral("Книга займов уже открыта");

namespace {

const QString ReconnectQuestion = QStringLiteral("Настроить подключение снова?");

// The server book, connected; the password is asked when the server wants
// one that ~/.pgpass does not hold, again after a refused one. Nothing when
// the user cancels the question.
std::unique_ptr<ILoanBookStore> OpenServerBook(const QString& address)
{
    std::optional<QString> password;
    QString warning;
    for (;;) {
        try {
            return std::make_unique<TServerDataAccessFacade>(address, password);
        } catch (const EServerPasswordNeededException&) {
            warning.clear();
        } catch (const EServerPasswordRefusedException&) {
            warning = QStringLiteral("Сервер не принял этот пароль. Проверьте пароль и раскладку клавиатуры.");
        }
        const std::optional<TServerAddress> server = TServerAddress::FromUri(address);
        password = AskServerPassword({server ? server->DisplayName() : address, warning});
        if (!password)
            return nullptr;
    }
}

// The book file at the address, open; nothing when no file is there or it
// does not open. A failure is not reported.
std::unique_ptr<ILoanBookStore> OpenStore(const QString& address, int busyTimeoutMs)
{
    auto file = std::make_unique<TDataAccessFacade>();
    TSQLiteConnection& connection = file->Connection();
    connection.SetFileName(address);
    connection.SetBusyTimeout(busyTimeoutMs);
    if (!QFileInfo(connection.FileName()).isFile())
        return nullptr;
    try {
        connection.Open();
        return file;
    } catch (const Exception&) {
        return nullptr;
    }
}

}

TStartUpQuestions TStartUpController::UserQuestions()
{
    return {[](const QString& caption, const QString& text) { return AskWarningQuestion(caption, text); },
            [](const QString& current) -> std::optional<QString> {
                TSQLiteConnectionBuildDialog dialog;
                if (TPgConnection::IsServerAddress(current))
                    dialog.SetConnectionString(current);
                else if (!current.isEmpty())
                    dialog.SetStartFolder(QFileInfo(current).absolutePath());
                if (!dialog.Execute())
                    return std::nullopt;
                return dialog.GetConnectionString();
            }};
}

TStartUpController::TStartUpController(TBookInUse& book, TSimpleSettingsManager& settings, THistoryManager& history,
                                       TStartUpQuestions questions)
    : m_book(book)
    , m_settings(settings)
    , m_history(history)
    , m_questions(std::move(questions))
    , m_busyTimeoutMs(TSQLiteConnection::DefaultBusyTimeoutMs)
{
}

bool TStartUpController::ConnectToDatabase(TConnectMode mode, const QString& address)
{
    BindHistoryToMainWindow();
    if (mode == cmStoredSettings)
        WarnOfUnusableSettings();
    m_tried.clear();
    // The book in use keeps serving until the new one has passed every check.
    std::unique_ptr<ILoanBookStore> store = Connect(mode, address);
    if (!store)
        return false;
    const QString accepted = m_tried;
    m_book.Use(accepted, std::move(store));
    try {
        RememberBook(accepted);
    } catch (const Exception& error) {
        // An accepted connection stands even when storing it failed.
        ShowConnectionError(error);
    }
    return true;
}

std::unique_ptr<ILoanBookStore> TStartUpController::Connect(TConnectMode mode, QString address)
{
    // Only a given book is taken as it is; otherwise the settings or the user say which.
    if (mode != cmGivenFile)
        address.clear();
    if (mode == cmStoredSettings)
        address = ReadConnectionString();
    try {
        std::unique_ptr<ILoanBookStore> store = OpenDatabase(address);
        if (store) {
            TLoanBookChecker checker(*store);
            std::optional<TDBVersion> found;
            if (checker.VerifyDBVersion(RequiredDBVersion(), found)) {
                if (AcceptConnection(m_tried))
                    return store;
            } else if (AskReconnectAfterVersionMismatch(checker, found)) {
                store.reset();
                return Connect(cmReconfigure, QString());
            }
        } else if (mode != cmGivenFile) {
            const QString reason = m_openFailure.isEmpty() ? QString() : m_openFailure + QStringLiteral("\r\n");
            if (m_questions.AskReconnect(ReconnectCaption,
                                         QStringLiteral("При подключении к базе данных возникла ошибка.\r\n") + reason
                                             + ReconnectQuestion))
                return Connect(cmReconfigure, QString());
        } else if (!m_openFailure.isEmpty()) {
            ShowMessageBox({QMessageBox::Warning, ReconnectCaption, m_openFailure, QMessageBox::Ok});
        }
    } catch (const Exception& error) {
        ShowConnectionError(error);
    }
    return nullptr;
}

std::unique_ptr<ILoanBookStore> TStartUpController::OpenDatabase(const QString& address)
{
    m_openFailure.clear();
    if (!address.trimmed().isEmpty()) {
        m_tried = address.trimmed();
    } else {
        const QString current = m_tried.isEmpty() ? m_book.Address() : m_tried;
        const std::optional<QString> chosen = m_questions.ChooseDatabaseFile(current);
        if (chosen)
            m_tried = chosen->trimmed();
    }
    std::unique_ptr<ILoanBookStore> store;
    if (TPgConnection::IsServerAddress(m_tried)) {
        try {
            store = OpenServerBook(m_tried);
        } catch (const EServerConnectionException& error) {
            // Unlike a missing file, an unreachable server has a reason worth telling.
            m_openFailure = error.Message();
        }
    } else {
        store = OpenStore(m_tried, m_busyTimeoutMs);
    }
    if (store)
        m_history.Add(m_tried);
    return store;
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

void TStartUpController::UseBook(const QString& address)
{
    std::unique_ptr<ILoanBookStore> store = TPgConnection::IsServerAddress(address)
                                                ? OpenServerBook(address)
                                                : OpenStore(address, m_busyTimeoutMs);
    if (!store)
        throw Exception(QStringLiteral("Книга займов «%1» не открывается.").arg(ShortPath(address)));
    m_book.Use(address.trimmed(), std::move(store));
    RememberBook(m_book.Address());
}

void TStartUpController::RememberBook(const QString& address)
{
    WriteConnectionString(address);
    if (m_book.Store().FileConnection())
        m_lock.Hold(address);
    else
        m_lock.Release();
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
    return m_book.Address();
}

bool TStartUpController::AcceptConnection(const QString& address)
{
    // Programs sharing a server book are what the server is for.
    if (TPgConnection::IsServerAddress(address))
        return true;
    const QString book = address;
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
