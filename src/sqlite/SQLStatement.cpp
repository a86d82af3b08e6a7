#include "SQLStatement.h"

#include "Cp1251Codec.h"
#include "SQLiteConnection.h"
#include "SQLiteError.h"
#include "ValueForms.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <QDateTime>

#include <string>

TSQLStatement::TSQLStatement(TSQLiteConnection& connection, const QStringList& lines)
    : m_connection(connection)
    , m_sql(Cp1251::Encode(JoinLines(lines)))
{
    SQLite::Database& database = connection.Database();
    m_generation = connection.Generation();
    m_statement = connection.TakeStatement(m_sql);
    if (!m_statement)
        m_statement = GuardSQLite([&] { return std::make_unique<SQLite::Statement>(database, m_sql.constData()); });
}

TSQLStatement::~TSQLStatement()
{
    // Reset, it holds no lock and no row; its bindings go so that no value
    // leaks into the next use. A reset repeats the error of a failed last
    // step; the second one tells whether the statement itself is fine.
    m_statement->tryReset();
    if (m_statement->tryReset() != SQLITE_OK)
        return;
    try {
        m_statement->clearBindings();
        m_connection.KeepStatement(m_sql, std::move(m_statement), m_generation);
    } catch (...) {
        // Not kept then; it is finalised with this object.
    }
}

QString TSQLStatement::JoinLines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

int TSQLStatement::ParamIndex(const QString& name) const
{
    const QByteArray key = Cp1251::Encode(QLatin1Char(':') + name);
    return m_statement->getIndex(key.constData());
}

bool TSQLStatement::HasParam(const QString& name) const
{
    return ParamIndex(name) > 0;
}

void TSQLStatement::BindBytes(int index, const QByteArray& bytes)
{
    // Bound as SQLite text, which the column's affinity turns into the value a
    // quoted literal of the same text would give.
    const std::string value(bytes.constData(), std::size_t(bytes.size()));
    GuardSQLite([&] { m_statement->bind(index, value); });
}

void TSQLStatement::BindInteger(const QString& name, qint64 value)
{
    // An integer and its decimal text are stored alike in the integer columns
    // it goes to; the integer spares SQLite a conversion.
    if (const int index = ParamIndex(name); index > 0)
        GuardSQLite([&] { m_statement->bind(index, static_cast<int64_t>(value)); });
}

void TSQLStatement::BindMoney(const QString& name, Money value)
{
    if (const int index = ParamIndex(name); index > 0)
        BindBytes(index, value.ToText().toLatin1());
}

void TSQLStatement::BindDateTime(const QString& name, const DateTime& value, bool dayOnly)
{
    if (const int index = ParamIndex(name); index > 0)
        BindBytes(index, ValueForms::DateTimeToText(value, dayOnly).toLatin1());
}

void TSQLStatement::BindText(const QString& name, const QString& value)
{
    // Encoded first, so that a character the file cannot hold is refused
    // whether or not the statement uses the name.
    const QByteArray bytes = Cp1251::Encode(value);
    if (const int index = ParamIndex(name); index > 0) {
        if (value.isEmpty())
            GuardSQLite([&] { m_statement->bind(index); });
        else
            BindBytes(index, bytes);
    }
}

void TSQLStatement::BindNull(const QString& name)
{
    if (const int index = ParamIndex(name); index > 0)
        GuardSQLite([&] { m_statement->bind(index); });
}

void TSQLStatement::BindValue(const QString& name, const QVariant& value)
{
    if (!HasParam(name))
        return;
    if (value.isNull()) {
        BindNull(name);
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        BindText(name, ValueForms::RealToText(value.toDouble()));
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::Bool:
        BindInteger(name, value.toLongLong());
        return;
    case QMetaType::QDate:
        BindDateTime(name, DateTime(value.toDate()));
        return;
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        BindDateTime(name, DateTime(moment.date(), moment.time()));
        return;
    }
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<Money>())
        BindMoney(name, value.value<Money>());
    else if (value.metaType() == QMetaType::fromType<DateTime>())
        BindDateTime(name, value.value<DateTime>());
    else
        BindText(name, value.toString());
}

bool TSQLStatement::Step()
{
    return GuardSQLite([&] { return m_statement->executeStep(); });
}

int TSQLStatement::Execute()
{
    return GuardSQLite([&] {
        while (m_statement->executeStep()) { }
        return m_statement->getChanges();
    });
}

void TSQLStatement::Reset()
{
    GuardSQLite([&] { m_statement->reset(); });
}

int TSQLStatement::ColumnCount() const
{
    return m_statement->getColumnCount();
}

QString TSQLStatement::ColumnName(int column) const
{
    return Cp1251::Decode(QByteArray(GuardSQLite([&] { return m_statement->getColumnName(column); })));
}

QString TSQLStatement::ColumnDeclaredType(int column) const
{
    // An expression has no declared type.
    try {
        return QString::fromLatin1(m_statement->getColumnDeclaredType(column));
    } catch (const SQLite::Exception&) {
        return QString();
    }
}

int TSQLStatement::ColumnIndex(const QString& name) const
{
    if (m_columns.isEmpty()) {
        for (int i = ColumnCount() - 1; i >= 0; --i) // the first of two equal names wins
            m_columns.insert(ColumnName(i).toLower(), i);
    }
    // Rows are read by the same few names over and over: lower-case each once.
    if (const auto asked = m_askedColumns.constFind(name); asked != m_askedColumns.cend())
        return *asked;
    const int index = m_columns.value(name.toLower(), -1);
    m_askedColumns.insert(name, index);
    return index;
}

int TSQLStatement::RequiredColumn(const QString& name) const
{
    const int index = ColumnIndex(name);
    if (index < 0)
        throw EDatabaseException(QStringLiteral("no such column: %1").arg(name), 1, 1);
    return index;
}

int TSQLStatement::ColumnType(int column) const
{
    return GuardSQLite([&] { return m_statement->getColumn(column).getType(); });
}

bool TSQLStatement::IsNull(int column) const
{
    return ColumnType(column) == SQLITE_NULL;
}

namespace {

static_assert(TStoredValue::Integer == SQLITE_INTEGER && TStoredValue::Float == SQLITE_FLOAT
              && TStoredValue::Text == SQLITE_TEXT && TStoredValue::Blob == SQLITE_BLOB
              && TStoredValue::Null == SQLITE_NULL);

// The text SQLite writes out for a real of the statement's current row.
QByteArrayView RealText(const void* statement, int column)
{
    const SQLite::Column value = static_cast<const SQLite::Statement*>(statement)->getColumn(column);
    const char* bytes = value.getText();
    return QByteArrayView(bytes, value.getBytes());
}

}

TStoredValue TSQLStatement::Value(int column) const
{
    const SQLite::Column value = GuardSQLite([&] { return m_statement->getColumn(column); });
    // The type first: asking for the text converts a number.
    switch (value.getType()) {
    case SQLITE_NULL:
        return TStoredValue();
    case SQLITE_INTEGER:
        return TStoredValue::FromInteger(value.getInt64());
    case SQLITE_FLOAT:
        return TStoredValue::FromReal(value.getDouble(), RealText, m_statement.get(), column);
    default: {
        const int type = value.getType();
        const char* bytes = value.getText();
        return TStoredValue::FromBytes(type, QByteArrayView(bytes, value.getBytes()));
    }
    }
}
