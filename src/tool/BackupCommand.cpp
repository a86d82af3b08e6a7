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

int TBackupCommand::Work(TDataAccessFacade& facade, QTextStream& out, QTextStream& /*err*/)
{
    const QString folder = m_folder.isEmpty()
                               ? TSimpleSettingsManager::ProgramFolder() + TLoanBookBackups::FolderName()
                               : m_folder;
    const QString book = QFileInfo(facade.Connection().FileName()).absoluteFilePath();
    TLoanBookBackups backups(folder);
    out << QDir::toNativeSeparators(backups.Make(book, Clock::Today().Date())) << '\n';
    return ecSuccess;
}
