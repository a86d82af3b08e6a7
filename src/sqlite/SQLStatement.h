#pragma once

#include "StoredValue.h"
#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace SQLite {
class Statement;
}
class TSQLiteConnection;

// One statement of a facade operation: built from text lines, bound by
// parameter name in the value forms of the file, run and discarded. The
// prepared statement behind it is reset and kept by the connection for the
// next statement of the same text.
// Every SQLite failure surfaces as EDatabaseException with SQLite's message.
class TSQLStatement
{
public:
    // The lines are joined with line breaks; the text goes to SQLite in Windows-1251.
    TSQLStatement(TSQLiteConnection& connection, const QStringList& lines);
    ~TSQLStatement();
    TSQLStatement(const TSQLStatement&) = delete;
    TSQLStatement& operator=(const TSQLStatement&) = delete;

    static QString JoinLines(const QStringList& lines);

    // Binding: the name is given without its ":"; a name the statement does not
    // contain is skipped.
    bool HasParam(const QString& name) const;
    void BindInteger(const QString& name, qint64 value);
    void BindMoney(const QString& name, Money value);
    // The full date-time form, or the day key with dayOnly.
    void BindDateTime(const QString& name, const DateTime& value, bool dayOnly = false);
    // An empty text is bound as NULL. Raises ETextEncodingException for a
    // character the file cannot hold.
    void BindText(const QString& name, const QString& value);
    void BindNull(const QString& name);
    // Binds by the value's type: a real number as its shortest decimal text
    // with ".", Money in the money form, DateTime (or a Qt date or date-time)
    // in the full date-time form, an integer or a flag as an integer, a text as
    // Windows-1251 text (empty as NULL), a null value as NULL.
    void BindValue(const QString& name, const QVariant& value);

    // Moves to the next row; false when there is none.
    bool Step();
    // Runs the statement to its end; the number of rows it changed.
    int Execute();
    // Makes the statement ready to run again; the bindings stay until rebound.
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    QString ColumnDeclaredType(int column) const;
    // The first column of that name (names compared regardless of letter case); -1 when none.
    int ColumnIndex(const QString& name) const;
    // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL of the current row.
    int ColumnType(int column) const;
    bool IsNull(int column) const;

    // The value of the current row as SQLite holds it, valid until the next Step.
    TStoredValue Value(int column) const;
    // Values of the current row in the forms of the file; NULL reads as empty or 0.
    QString Text(int column) const { return Value(column).ToText(); }
    qint64 Integer(int column) const { return Value(column).ToInteger(); }
    Money MoneyValue(int column) const { return Value(column).ToMoney(); }
    DateTime DateTimeValue(int column) const { return Value(column).ToDateTime(); }
    bool Flag(int column) const { return Value(column).ToFlag(); }

    // The same by column name; a missing column raises EDatabaseException.
    QString Text(const QString& name) const { return Text(RequiredColumn(name)); }
    qint64 Integer(const QString& name) const { return Integer(RequiredColumn(name)); }
    Money MoneyValue(const QString& name) const { return MoneyValue(RequiredColumn(name)); }
    DateTime DateTimeValue(const QString& name) const { return DateTimeValue(RequiredColumn(name)); }
    bool Flag(const QString& name) const { return Flag(RequiredColumn(name)); }

private:
    int ParamIndex(const QString& name) const;
    int RequiredColumn(const QString& name) const;
    void BindBytes(int index, const QByteArray& bytes);

    TSQLiteConnection& m_connection;
    QByteArray m_sql;
    quint64 m_generation;
    std::unique_ptr<SQLite::Statement> m_statement;
    mutable QHash<QString, int> m_columns; // lower-case name -> first index, built on first use
    mutable QHash<QString, int> m_askedColumns; // names as the callers spell them -> index
};
