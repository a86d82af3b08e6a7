#include "StartUpController.h"

#include "IHistoryMenuView.h"
#include "LoanBookChecker.h"
#include "SingleInstance.h"
#include "SingleInstances.h"
#include "data/DataAccessFacade.h"
#include "settings/FileChecks.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/SQLiteConnection.h"
#include "ui/MessageBoxes.h"

#include <QScopeGuard>

const QString TStartUpController::OpenTwiceCaption = QStringLiteral("Книга займов уже открыта");

bool TStartUpController::ConnectToDatabase(TConnectMode mode, const QString& fileName)
{
    BindHistoryToMainWindow();
    TDataAccessFacade* facade = GetDataAccessFacade();
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
    m_connecting = &facade;
    m_checker = &checker;
    const auto forget = qScopeGuard([this] {
        m_connecting = nullptr;
        m_checker = nullptr;
    });
    return ConnectSQLite(mode, &facade.Connection(), &HistoryManager(), &SettingsManager(), RequiredDBVersion(),
                         &checker);
}

void TStartUpController::WarnOfUnusableSettings()
{
    const QString problem = SettingsManager().FileProblem();
    if (!problem.isEmpty())
        ShowMessageBox({QMessageBox::Warning, QStringLiteral("Настройки Varnel"),
                        QStringLiteral("Настройки Varnel не прочитаны: %1\r\nДо исправления программа не помнит "
                                       "последнюю книгу займов и не сохраняет настройки.")
                            .arg(problem),
                        QMessageBox::Ok});
}

void TStartUpController::UseBook(const QString& fileName)
{
    TSQLiteConnection& connection = GetDataAccessFacade()->Connection();
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
        HistoryManager().SetOnChange(nullptr);
        return;
    }
    HistoryManager().SetOnChange(
        [view](THistoryManager& manager, const QStringList& entries) { view->RefreshHistoryMenu(manager, entries); });
}

QString TStartUpController::ConnectedFileName() const
{
    return GetDataAccessFacade()->Connection().FileName();
}

bool TStartUpController::AcceptConnection()
{
    if (!m_connecting)
        return true;
    const QString book = m_connecting->Connection().FileName();
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

bool TStartUpController::AskReconnectAfterVersionMismatch(const TDBVersion& expected, const std::optional<TDBVersion>& found)
{
    if (!m_checker || m_checker->Defect().isEmpty())
        return TCustomSQLiteStartupController::AskReconnectAfterVersionMismatch(expected, found);
    return AskWarningQuestion(ReconnectCaption,
                              m_checker->Defect()
                                  + QStringLiteral("\r\nС такой базой данных система работать не может.\r\n\r\n"
                                                   "Настроить подключение снова?"));
}

TStartUpController* StartUpController()
{
    return &TSingleInstance<TStartUpController>::Get();
}

void FreeStartUpController()
{
    TSingleInstance<TStartUpController>::Free();
}
