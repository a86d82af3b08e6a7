#pragma once

#include "BookCopyTables.h"

#include <QString>

#include <memory>

namespace BookCopy {

// One end of a copy: a loan-book file or a server book, read or written in
// one transaction of its own.
class TBookEnd
{
public:
    virtual ~TBookEnd() = default;

    // The table's rows in key order, values in the copy's text forms.
    virtual std::vector<TRow> Read(const TTable& table) = 0;
    // The last key the table's sequence handed out (0 when none): may lie
    // beyond the rows still there, and is never handed out again.
    virtual qint64 LastKey(const TTable& table) = 0;

    // The n-th (0-based) parameter in this engine's SQL.
    virtual QString Placeholder(int n) const = 0;
    // Runs the statement once for each row, its parameters bound in turn to the
    // row's values at those positions, in the forms of their columns' kinds.
    virtual void RunForRows(const QString& sql, const TTable& table, const std::vector<int>& positions,
                            const std::vector<TRow>& rows) = 0;
    // Adds the rows, every column in the table's order.
    virtual void InsertRows(const TTable& table, const std::vector<TRow>& rows);
    // Whether the rows keep their derived values as written, no trigger
    // recounting them while the copy runs (else they are written back after).
    virtual bool KeepsDerivedValues() const { return false; }
    virtual void SetLastKey(const TTable& table, qint64 key) = 0;
    // Makes the writes last; an end destroyed before undoes them.
    virtual void Commit() = 0;
};

// A file or a server book, by the form of the address.
std::unique_ptr<TBookEnd> OpenSource(const QString& address);
// A new book: a file that does not exist yet, or a server database without
// the book's tables or with an empty book.
std::unique_ptr<TBookEnd> CreateTarget(const QString& address);

std::unique_ptr<TBookEnd> OpenFileSource(const QString& fileName);
std::unique_ptr<TBookEnd> CreateFileTarget(const QString& fileName);
std::unique_ptr<TBookEnd> OpenServerSource(const QString& address);
std::unique_ptr<TBookEnd> CreateServerTarget(const QString& address);

}
