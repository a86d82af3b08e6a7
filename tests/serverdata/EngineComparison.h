#pragma once

// The rows of one list or document as a file book and its server copy give
// them, compared column by column and value by value.

#include "sqlite/ResultSet.h"
#include "sqlite/ValueForms.h"

#include <QString>
#include <QStringList>

namespace EngineComparison {

// A value as both engines must read it: NULL, or its text, with a moment in
// its stored form (older files hold some days as ten characters).
inline QString Cell(const TResultSet& rows, int row, int column)
{
    if (rows.IsNull(row, column))
        return QStringLiteral("NULL");
    const QString text = rows.Text(row, column);
    const DateTime moment = rows.DateTimeValue(row, column);
    if (!moment.IsZero() && (text.size() == 10 || text.size() == 23))
        return QStringLiteral("moment ") + ValueForms::DateTimeToText(moment);
    return text;
}

// Empty when the two are the same; else the first difference.
inline QString Difference(const TResultSet& file, const TResultSet& server)
{
    QStringList fileColumns;
    QStringList serverColumns;
    for (int column = 0; column < file.ColumnCount(); ++column)
        fileColumns << file.ColumnName(column);
    for (int column = 0; column < server.ColumnCount(); ++column)
        serverColumns << server.ColumnName(column);
    if (fileColumns != serverColumns)
        return QStringLiteral("columns: file %1, server %2").arg(fileColumns.join(u','), serverColumns.join(u','));
    if (file.RowCount() != server.RowCount())
        return QStringLiteral("rows: file %1, server %2").arg(file.RowCount()).arg(server.RowCount());
    for (int row = 0; row < file.RowCount(); ++row) {
        for (int column = 0; column < file.ColumnCount(); ++column) {
            const QString fileValue = Cell(file, row, column);
            const QString serverValue = Cell(server, row, column);
            if (fileValue != serverValue)
                return QStringLiteral("row %1, %2: file %3, server %4")
                    .arg(row)
                    .arg(fileColumns[column], fileValue, serverValue);
        }
    }
    return QString();
}

}
