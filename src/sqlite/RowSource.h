#pragma once

#include "StoredValue.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <memory>

// Named parameters of a statement and their values, bound in the forms of the
// engine that runs it (see TSQLStatement::BindValue for the file).
using TQueryParams = QList<QPair<QString, QVariant>>;

// One run of a statement, read row by row: what a result set fetches its rows
// from, whichever engine runs the statement.
class IRowSource
{
public:
    virtual ~IRowSource() = default;

    virtual int ColumnCount() const = 0;
    virtual QString ColumnName(int column) const = 0;
    // The declared type of the column behind it, in the file's words
    // (DATETIME, CURRENCY, ...); empty for an expression the engine cannot tell.
    virtual QString ColumnDeclaredType(int column) const = 0;
    // Moves to the next row; false when there is none.
    virtual bool Step() = 0;
    // A value of the current row, valid until the next Step.
    virtual TStoredValue Value(int column) const = 0;
};

// Runs the statements of result sets: the engine under them. A statement
// names its parameters ":Name"; a parameter it does not name is passed over.
class IRowEngine
{
public:
    virtual ~IRowEngine() = default;
    virtual std::unique_ptr<IRowSource> Run(const QString& sql, const TQueryParams& params) = 0;
};
