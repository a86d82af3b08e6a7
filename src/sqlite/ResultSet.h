#pragma once

#include "RowSource.h"
#include "StoredValue.h"
#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <string>
#include <vector>

class TSQLiteConnection;

// A filter condition with the values of its named parameters; an empty text
// lets every row through.
struct TFilterCondition
{
    QString Text;
    TQueryParams Params;
};

// The rows a query hands to its caller: a read-only snapshot taken when it is
// opened, so it holds no lock and other statements run freely meanwhile.
// Columns are found by name regardless of letter case, the first of two equal
// names winning. It is plain rows: which row a window shows selected, and how
// its columns are captioned, is the window's business.
//
// The set can be closed and opened again: the statement runs anew, with one
// filter condition when filtering is on ("select * from (statement) as
// ListedRows where condition"). The condition may use named parameters of its own, so that a
// typed text is compared as a value and never becomes part of the statement.
//
// Values beyond the rows read as empty (0, the zero date, false). A QObject
// only so that a grid showing the set learns when it is freed.
class TResultSet : public QObject
{
public:
    // Runs the statement at once, on the file or on the engine given.
    TResultSet(TSQLiteConnection& connection, const QStringList& lines, const TQueryParams& params = {});
    TResultSet(std::unique_ptr<IRowEngine> engine, const QStringList& lines, const TQueryParams& params = {});
    ~TResultSet() override;

    // The statement as built by the query, and as run with the filter.
    const QStringList& StatementLines() const { return m_lines; }
    QString EffectiveSQL() const;

    bool IsOpen() const { return m_open; }
    // Runs the statement again.
    void Open();
    // Drops the rows (the columns stay).
    void Close();

    // Setting a new condition closes the set; the caller reopens it.
    const QString& Filter() const { return m_filter; }
    void SetFilter(const QString& condition, const TQueryParams& params = {});
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool value);

    int ColumnCount() const { return int(m_columns.size()); }
    const QString& ColumnName(int index) const { return m_columns.at(std::size_t(index)).Name; }
    // The declared type of the table column behind it; empty for an expression.
    const QString& ColumnDeclaredType(int index) const { return m_columns.at(std::size_t(index)).DeclaredType; }
    // -1 when there is no such column.
    int FindColumn(const QString& name) const;
    // Raises EFieldNotFoundException when there is no such column.
    int ColumnIndex(const QString& name) const;

    int RowCount() const { return m_rowCount; }
    bool IsEmpty() const { return m_rowCount == 0; }
    // The first row whose column holds this integer, or -1.
    int FindRow(int column, qint64 value) const;

    // Values by row and column.
    bool IsNull(int row, int column) const;
    QString Text(int row, int column) const;
    qint64 Integer(int row, int column) const;
    Money MoneyValue(int row, int column) const;
    DateTime DateTimeValue(int row, int column) const;
    bool Flag(int row, int column) const;
    // As SQLite holds it: an invalid QVariant for NULL, qlonglong, double or text.
    QVariant Value(int row, int column) const;

    // Values by row and column name.
    bool IsNull(int row, const QString& column) const { return IsNull(row, ColumnIndex(column)); }
    QString Text(int row, const QString& column) const { return Text(row, ColumnIndex(column)); }
    qint64 Integer(int row, const QString& column) const { return Integer(row, ColumnIndex(column)); }
    Money MoneyValue(int row, const QString& column) const { return MoneyValue(row, ColumnIndex(column)); }
    DateTime DateTimeValue(int row, const QString& column) const { return DateTimeValue(row, ColumnIndex(column)); }
    bool Flag(int row, const QString& column) const { return Flag(row, ColumnIndex(column)); }
    QVariant Value(int row, const QString& column) const { return Value(row, ColumnIndex(column)); }

private:
    // One value as fetched: its TStoredValue type and where its text lies
    // among the bytes of the set (as the engine gave them, decoded when read);
    // an integer is kept as the number.
    struct TCell
    {
        union {
            std::size_t Offset; // of the text
            qint64 Integer;     // TStoredValue::Integer
        };
        int Length;
        int Type;
    };

    struct TStorage
    {
        std::vector<TCell> Cells; // row by row
        std::string Bytes;
        std::size_t Capacity() const { return Cells.capacity() * sizeof(TCell) + Bytes.capacity(); }
    };
    static TStorage& SpareStorage();
    // Hands the storage on for the next opening (keeping the larger of the two).
    void ReleaseStorage();

    const TCell* Cell(int row, int column) const;
    // The cell for the one reader of stored values; NULL beyond the rows.
    TStoredValue Stored(int row, int column) const;
    void Fetch();

    struct TColumn
    {
        QString Name;
        QString DeclaredType;
    };

    std::unique_ptr<IRowEngine> m_engine;
    QStringList m_lines;
    TQueryParams m_params;
    QString m_filter;
    TQueryParams m_filterParams;
    bool m_filtered = false;

    bool m_open = false;
    std::vector<TColumn> m_columns;
    TStorage m_storage;
    int m_rowCount = 0;
};
