#include "LoanBookCommand.h"

#include "ToolOptions.h"

#include "data/DBVersion.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"

#include <QFileInfo>

void TLoanBookCommand::ReadOptions(TToolOptions& options)
{
    const int position = BookFilePosition();
    m_fileName = position == 0 ? options.RequireFile(FileMissingText()) : options.Files().value(position);
    if (options.Files().size() <= position)
        options.Refuse(FileMissingText());
    ReadBookOptions(options);
}

int TLoanBookCommand::Execute(QTextStream& out, QTextStream& err)
{
    // The book is closed with its facade, whatever happens.
    TDataAccessFacade facade;
    if (!ConnectChecked(facade, err))
        return ecFailure;
    return Work(facade, out, err);
}

bool TLoanBookCommand::ConnectChecked(TDataAccessFacade& facade, QTextStream& err) const
{
    const QString fileName = m_fileName.trimmed();
    if (!QFileInfo(fileName).isFile()) {
        err << QStringLiteral("Файл «%1» не существует.").arg(fileName) << '\n';
        return false;
    }
    facade.Connection().Close();
    facade.Connection().SetFileName(fileName);
    facade.Connection().Open();
    std::optional<TDBVersion> found;
    if (facade.VerifyDBVersion(RequiredDBVersion(), found))
        return true;
    err << (found ? DescribeVersion(found) : QStringLiteral("Не найдена информация о типе и версии базы данных."))
        << '\n';
    return false;
}
