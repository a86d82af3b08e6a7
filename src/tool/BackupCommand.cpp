#include "BackupCommand.h"

#include "ToolOptions.h"

#include "data/DataAccessFacade.h"
#include "data/LoanBookBackups.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"

#include <QDir>
#include <QFileInfo>

void TBackupCommand::ReadBookOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("to"), m_folder, false);
}

int TBackupCommand::Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err)
{
    TSQLiteConnection* file = facade.FileConnection();
    if (!file) {
        err << QStringLiteral("Книгу займов на сервере копирует сервер: pg_dump, см. раздел для администратора.")
            << '\n';
        return ecFailure;
    }
    const QString folder = m_folder.isEmpty()
                               ? TSimpleSettingsManager::ProgramFolder() + TLoanBookBackups::FolderName()
                               : m_folder;
    const QString book = QFileInfo(file->FileName()).absoluteFilePath();
    TLoanBookBackups backups(folder);
    out << QDir::toNativeSeparators(backups.Make(book, Clock::Today().Date())) << '\n';
    return ecSuccess;
}
