#pragma once

#include "sqlite/RowSource.h"

class TPgConnection;

// Result sets' statements run on a server book, their rows handed over in
// the file's kinds and forms, so that every reader of a result set reads
// both engines alike: integers and flags (1/0) as integers, money as the
// file's shortest decimal (a whole amount as an integer), moments in the
// fixed form "yyyy-mm-dd hh:nn:ss.zzz", text as UTF-8. Columns carry the
// book's spelling of their names ("DebtorID", not the server's "debtorid").
class TServerRowEngine : public IRowEngine
{
public:
    explicit TServerRowEngine(TPgConnection& connection) : m_connection(connection) {}
    std::unique_ptr<IRowSource> Run(const QString& sql, const TQueryParams& params) override;

private:
    TPgConnection& m_connection;
};

// The book's spelling of a column name the server folded to lower case; the
// name itself when the book has no such column.
QString BookColumnName(const QString& folded);
