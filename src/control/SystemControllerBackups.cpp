// The system controller's backups: the day's copy of the book, and restoring
// the book from one of its copies.

#include "SystemController.h"

#include "DailyBackup.h"
#include "data/DataAccessFacade.h"
#include "data/LoanBookBackups.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "ui/DisplayFormats.h"
#include "ui/MessageBoxes.h"
#include "ui/RestoreBackupForm.h"

#include <QDir>

namespace {

const QString RestoreCaption = QStringLiteral("Восстановление из резервной копии");

}

void TSystemController::StartDailyBackup()
{
    m_dailyBackup->SetOnFailure([this](const QString& message) {
        // Told when no dialog is open, like the overdue check.
        m_gate.RunWhenIdle(QStringLiteral("backup"), [message] {
            ShowMessageBox({ QMessageBox::Warning, QStringLiteral("Резервная копия"),
                             QStringLiteral("Резервную копию базы данных сделать не удалось:\r\n%1").arg(message),
                             QMessageBox::Ok });
        });
    });
    // A server book is copied by the server's administrator (pg_dump), not by each clerk's program.
    if (TSQLiteConnection* file = m_parts.Facade().FileConnection())
        m_dailyBackup->Start(file->FileName(), Clock::Today().Date());
}

void TSystemController::RestoreFromBackup()
{
    TUseCaseScope scope(m_gate);
    TSQLiteConnection* file = m_parts.Facade().FileConnection();
    if (!file) {
        ShowMessageBox({ QMessageBox::Information, RestoreCaption,
                         QStringLiteral("Книга займов на сервере восстанавливается из копии самим сервером: "
                                        "обратитесь к администратору базы данных."),
                         QMessageBox::Ok });
        return;
    }
    TSQLiteConnection& connection = *file;
    const QString book = connection.FileName();
    const TLoanBookBackups& backups = m_dailyBackup->Backups();
    const QList<TLoanBookBackup> copies = backups.List(book);
    if (copies.isEmpty()) {
        ShowMessageBox({ QMessageBox::Information, RestoreCaption,
                         QStringLiteral("Резервных копий этой базы данных пока нет. Копия делается при первом "
                                        "подключении к базе за день, в папке «%1».")
                             .arg(QDir::toNativeSeparators(backups.Folder())),
                         QMessageBox::Ok });
        return;
    }
    QList<QDate> days;
    for (const TLoanBookBackup& copy : copies)
        days << copy.Day;
    TRestoreBackupForm form;
    if (!form.Execute(QDir::toNativeSeparators(book), days))
        return;
    const TLoanBookBackup& chosen = copies[form.SelectedIndex()];
    const QString day = FormatShortDate(DateTime(chosen.Day));
    const QDateTime now(Clock::Now().Date(), Clock::Now().Time());
    const QString aside = QDir::toNativeSeparators(TLoanBookBackups::SavedAsidePath(book, now));
    if (!AskWarningQuestion(RestoreCaption,
                            QStringLiteral("Всё, что сейчас есть в базе данных, будет заменено резервной копией "
                                           "от %1.\r\nНынешнее содержимое базы сохранится в файле «%2».\r\n"
                                           "Восстановить?")
                                .arg(day, aside)))
        return;
    // The copy of the day being made goes first: it copies this very file.
    m_dailyBackup->Wait();
    TLoanBookBackups::Restore(connection, chosen.Path, now);
    RefreshAll();
    RefreshDatabaseInfo();
    ShowMessageBox({ QMessageBox::Information, RestoreCaption,
                     QStringLiteral("База данных восстановлена из резервной копии от %1.\r\n"
                                    "Прежнее содержимое сохранено в файле «%2».")
                         .arg(day, aside),
                     QMessageBox::Ok });
}
