#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/SQLiteConnection.h"

#include <algorithm>

namespace {

bool KeyRecordExists(TSQLiteConnection& connection)
{
    TSQLStatement statement(connection, { QStringLiteral("SELECT name FROM sqlite_master"),
                                          QStringLiteral("WHERE type = 'table' AND name = 'sqlite_sequence'") });
    return statement.Step();
}

// SQLite makes its record of the largest keys with the first table that
// declares AUTOINCREMENT and keeps it when that table goes; it cannot be
// created by name. A table made and dropped in the caller's transaction
// leaves just the record, and no table of the book changes its declaration.
void MakeKeyRecord(TSQLiteConnection& connection)
{
    connection.Execute(QStringLiteral("CREATE TABLE VarnelKeyRecordSeed (ID INTEGER PRIMARY KEY AUTOINCREMENT)"));
    connection.Execute(QStringLiteral("DROP TABLE VarnelKeyRecordSeed"));
}

}

void TDataAccessFacade::RememberKeys(const QString& table, const QString& keyColumn)
{
    if (!KeyRecordExists(Connection()))
        MakeKeyRecord(Connection());
    // Before the first row of a file that had no record goes, its largest key
    // is noted; for a table declared AUTOINCREMENT this is the very row SQLite
    // keeps, for the others SQLite never reads it.
    const QString largest = QStringLiteral("(SELECT IfNull(Max(%1), 0) FROM %2)").arg(keyColumn, table);
    TSQLStatement update(Connection(), { QStringLiteral("UPDATE sqlite_sequence SET seq = Max(IfNull(seq, 0), %1)")
                                             .arg(largest),
                                         QStringLiteral("WHERE name = :TableName") });
    update.BindText(QStringLiteral("TableName"), table);
    if (update.Execute() != 0)
        return;
    TSQLStatement insert(Connection(), { QStringLiteral("INSERT INTO sqlite_sequence (name, seq)"),
                                         QStringLiteral("VALUES (:TableName, %1)").arg(largest) });
    insert.BindText(QStringLiteral("TableName"), table);
    insert.Execute();
}

qint64 TDataAccessFacade::AllocateKeys(const QString& table, const QString& keyColumn, int count)
{
    RememberKeys(table, keyColumn);
    qint64 first = 0;
    {
        TSQLStatement statement(Connection(), { QStringLiteral("SELECT Max(seq) + 1 FROM sqlite_sequence"),
                                                QStringLiteral("WHERE name = :TableName") });
        statement.BindText(QStringLiteral("TableName"), table);
        statement.Step();
        first = statement.Integer(0);
    }
    // Spent as soon as handed out: a key of rows that fail to go in is not given again either.
    TSQLStatement update(Connection(), { QStringLiteral("UPDATE sqlite_sequence SET seq = :Last"),
                                         QStringLiteral("WHERE name = :TableName") });
    update.BindInteger(QStringLiteral("Last"), first + std::max(count, 1) - 1);
    update.BindText(QStringLiteral("TableName"), table);
    update.Execute();
    return first;
}
