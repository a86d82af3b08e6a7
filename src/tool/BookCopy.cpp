#include "BookCopy.h"

#include "BookEnd.h"

#include "postgres/PgConnection.h"

#include <algorithm>
#include <map>

namespace BookCopy {

std::unique_ptr<TBookEnd> OpenSource(const QString& address)
{
    return TPgConnection::IsServerAddress(address) ? OpenServerSource(address) : OpenFileSource(address);
}

std::unique_ptr<TBookEnd> CreateTarget(const QString& address)
{
    return TPgConnection::IsServerAddress(address) ? CreateServerTarget(address) : CreateFileTarget(address);
}

namespace {

std::vector<int> AllPositions(const TTable& table)
{
    std::vector<int> positions(table.Columns.size());
    for (int i = 0; i < int(positions.size()); ++i)
        positions[std::size_t(i)] = i;
    return positions;
}

}

void TBookEnd::InsertRows(const TTable& table, const std::vector<TRow>& rows)
{
    QStringList placeholders;
    for (int i = 0; i < int(table.Columns.size()); ++i)
        placeholders << Placeholder(i);
    RunForRows(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(table.Name, table.ColumnNames().join(QStringLiteral(", ")),
                        placeholders.join(QStringLiteral(", "))),
               table, AllPositions(table), rows);
}

}

namespace {

using namespace BookCopy;

void WriteRows(TBookEnd& target, const TTable& table, const std::vector<TRow>& rows)
{
    // A new book may already hold its single company and version rows.
    if (!table.Keyed)
        target.RunForRows(QStringLiteral("DELETE FROM %1").arg(table.Name), table, {}, {TRow()});
    target.InsertRows(table, rows);
}

// The triggers counted the derived columns while the rows went in; the copy
// keeps the source's own values instead, whatever they are.
void RestoreDerived(TBookEnd& target, const TTable& table, const std::vector<TRow>& rows)
{
    std::vector<int> positions = table.DerivedColumns();
    if (positions.empty())
        return;
    QStringList assignments;
    for (int i = 0; i < int(positions.size()); ++i)
        assignments << table.Columns[std::size_t(positions[std::size_t(i)])].Name + QStringLiteral(" = ") +
                           target.Placeholder(i);
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = %4")
                            .arg(table.Name, assignments.join(QStringLiteral(", ")), table.Columns.front().Name,
                                 target.Placeholder(int(positions.size())));
    positions.push_back(0);
    target.RunForRows(sql, table, positions, rows);
}

qint64 LargestKey(const std::vector<TRow>& rows)
{
    qint64 largest = 0;
    for (const TRow& row : rows)
        largest = std::max(largest, row.front().value_or(QString()).toLongLong());
    return largest;
}

}

QString CopyLoanBook(const QString& from, const QString& to)
{
    std::unique_ptr<TBookEnd> source = OpenSource(from);
    std::unique_ptr<TBookEnd> target = CreateTarget(to);
    std::map<QString, std::vector<TRow>> copied;
    QStringList counts;
    for (const TTable& table : Tables()) {
        std::vector<TRow>& rows = copied[table.Name] = source->Read(table);
        WriteRows(*target, table, rows);
        if (table.Keyed) {
            target->SetLastKey(table, std::max(LargestKey(rows), source->LastKey(table)));
            counts << QStringLiteral("%1: %2").arg(table.Name).arg(rows.size());
        }
    }
    // Last table first: a credit's counters are restored after its schedule's rows moved them.
    if (!target->KeepsDerivedValues())
        for (auto table = Tables().rbegin(); table != Tables().rend(); ++table)
            RestoreDerived(*target, *table, copied[table->Name]);
    target->Commit();
    return counts.join(QStringLiteral(", "));
}
