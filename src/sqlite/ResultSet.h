#pragma once

#include "ResultSetColumn.h"
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

// Named parameters of a statement and their values, bound in the forms of the
// file (see TSQLStatement::BindValue).
using TQueryParams = QList<QPair<QString, QVariant>>;

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
// names winning. There is a current row (the first after opening), moved both
// ways; every change of it, and an opening with rows, emits AfterScroll.
//
// The set can be closed and opened again: the statement runs anew, with one
// filter condition when filtering is on ("select * from (statement) where
// condition"). The condition may use named parameters of its own, so that a
// typed text is compared as a value and never becomes part of the statement.
//
// Values of the current row read in the forms of the file; on an empty or
// closed set they read as empty (0, the zero date, false).
class TResultSet : public QObject
{
    Q_OBJECT

public:
    // Runs the statement at once.
    TResultSet(TSQLiteConnection& connection, const QStringList& lines, const TQueryParams& params = {});
    ~TResultSet() override;

    // The statement as built by the query, and as run with the filter.
    const QStringList& StatementLines() const { return m_lines; }
    QString EffectiveSQL() const;

    bool IsOpen() const { return m_open; }
    // Runs the statement again; the presentation of columns of the same names is kept.
    void Open();
    // Drops the rows (the columns and their presentation stay).
    void Close();

    // Setting a new condition closes the set; the caller reopens it.
    const QString& Filter() const { return m_filter; }
    void SetFilter(const QString& condition, const TQueryParams& params = {});
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool value);

    // A column reference holds until the set is opened again.
    int ColumnCount() const { return int(m_columns.size()); }
    TResultSetColumn& Column(int index) { return *m_columns.at(std::size_t(index)); }
    const TResultSetColumn& Column(int index) const { return *m_columns.at(std::size_t(index)); }
    // -1 when there is no such column.
    int FindColumn(const QString& name) const;
    // Raises EFieldNotFoundException when there is no such column.
    int ColumnIndex(const QString& name) const;
    TResultSetColumn& Column(const QString& name) { return Column(ColumnIndex(name)); }
    const TResultSetColumn& Column(const QString& name) const { return Column(ColumnIndex(name)); }
    // Every column invisible, as a query does before it shows a chosen few.
    void HideAllColumns();

    int RowCount() const { return m_rowCount; }
    bool IsEmpty() const { return m_rowCount == 0; }

    // Navigation. The current row is -1 only on an empty or closed set.
    int CurrentRow() const { return m_current; }
    // False (and nothing moves) when there is no such row.
    bool SetCurrentRow(int row);
    void First();
    void Last();
    // Next at the last row and Prior at the first one move nothing and set Eof
    // or Bof, so that "while (!Eof()) { ...; Next(); }" walks every row.
    void Next();
    void Prior();
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    // Makes the first row whose column holds the value current: an integer
    // value is compared as a number, anything else as text. False when no row
    // has it (nothing moves then).
    bool Locate(const QString& column, const QVariant& value);

    // Values by row and column.
    bool IsNull(int row, int column) const;
    QString Text(int row, int column) const;
    qint64 Integer(int row, int column) const;
    Money MoneyValue(int row, int column) const;
    DateTime DateTimeValue(int row, int column) const;
    bool Flag(int row, int column) const;
    // As SQLite holds it: an invalid QVariant for NULL, qlonglong, double or text.
    QVariant Value(int row, int column) const;

    // Values of the current row by column name.
    bool IsNull(const QString& column) const { return IsNull(m_current, ColumnIndex(column)); }
    QString Text(const QString& column) const { return Text(m_current, ColumnIndex(column)); }
    qint64 Integer(const QString& column) const { return Integer(m_current, ColumnIndex(column)); }
    Money MoneyValue(const QString& column) const { return MoneyValue(m_current, ColumnIndex(column)); }
    DateTime DateTimeValue(const QString& column) const { return DateTimeValue(m_current, ColumnIndex(column)); }
    bool Flag(const QString& column) const { return Flag(m_current, ColumnIndex(column)); }
    QVariant Value(const QString& column) const { return Value(m_current, ColumnIndex(column)); }

    // Called by a column when its presentation changed.
    void NotifyColumnsChanged() { emit ColumnsChanged(this); }

signals:
    void BeforeOpen(TResultSet* resultSet);
    void AfterOpen(TResultSet* resultSet);
    void BeforeClose(TResultSet* resultSet);
    void AfterClose(TResultSet* resultSet);
    // The current row changed, or the set was opened with rows.
    void AfterScroll(TResultSet* resultSet);
    // A caption, width, visibility or money mark changed.
    void ColumnsChanged(TResultSet* resultSet);

private:
    // One value as fetched: its TStoredValue type and where its text lies
    // among the bytes of the set (Windows-1251, decoded when read); an integer
    // is kept as the number.
    struct TCell
    {
        union {
            std::size_t Offset; // of the text
            qint64 Integer;     // SQLITE_INTEGER
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
    void MoveTo(int row);

    TSQLiteConnection& m_connection;
    QStringList m_lines;
    TQueryParams m_params;
    QString m_filter;
    TQueryParams m_filterParams;
    bool m_filtered = false;

    bool m_open = false;
    std::vector<std::unique_ptr<TResultSetColumn>> m_columns;
    TStorage m_storage;
    int m_rowCount = 0;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
};
