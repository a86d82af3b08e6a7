#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The tables of a loan book as a copy between a file and a server sees them:
// each column with the kind of value it holds. Values travel as text in the
// file's fixed forms (money "1234.5", moments "yyyy-mm-dd hh:nn:ss.zzz",
// flags "0"/"1"); a missing value is NULL.
namespace BookCopy {

enum class TKind
{
    Integer,
    Text,
    Money,
    Moment,
    Flag,
};

struct TColumn
{
    QString Name;
    TKind Kind;
    // Kept by the book's triggers from other rows; written back after all rows are in.
    bool Derived;
};

struct TTable
{
    QString Name;
    std::vector<TColumn> Columns;
    // The first column is the table's key with its sequence; a table without
    // one holds single rows (company, state, version) that a new book may already have.
    bool Keyed;

    QStringList ColumnNames() const;
    std::vector<int> DerivedColumns() const;
};

using TValue = std::optional<QString>;
using TRow = std::vector<TValue>;

// In the order rows can be written: every row after those it refers to.
const std::vector<TTable>& Tables();

}
