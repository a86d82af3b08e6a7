#include "LoanBookCommand.h"

#include "ToolOptions.h"

#include "data/DBVersion.h"
#include "data/DataAccessFacade.h"
#include "postgres/PgConnection.h"
#include "serverdata/ServerDataAccessFacade.h"
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
    // The book is closed with its store, whatever happens.
    const std::unique_ptr<ILoanBookStore> store = ConnectChecked(err);
    if (!store)
        return ecFailure;
    return Work(*store, out, err);
}

std::unique_ptr<ILoanBookStore> TLoanBookCommand::ConnectChecked(QTextStream& err) const
{
    const QString address = m_fileName.trimmed();
    if (!TPgConnection::IsServerAddress(address) && !QFileInfo(address).isFile()) {
        err << QStringLiteral("Файл «%1» не существует.").arg(address) << '\n';
        return nullptr;
    }
    std::unique_ptr<ILoanBookStore> store;
    if (TPgConnection::IsServerAddress(address)) {
        // The password, when the server wants one, comes from ~/.pgpass.
        store = std::make_unique<TServerDataAccessFacade>(address);
    } else {
        auto file = std::make_unique<TDataAccessFacade>();
        file->Connection().SetFileName(address);
        file->Connection().Open();
        store = std::move(file);
    }
    std::optional<TDBVersion> found;
    if (store->VerifyDBVersion(RequiredDBVersion(), found))
        return store;
    err << (found ? DescribeVersion(found) : QStringLiteral("Не найдена информация о типе и версии базы данных."))
        << '\n';
    return nullptr;
}
