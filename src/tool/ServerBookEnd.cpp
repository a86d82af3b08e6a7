#include "BookEnd.h"

#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "postgres/PgTransactionScope.h"
#include "postgres/ServerSchema.h"
#include "sqlite/ValueForms.h"

namespace BookCopy {

namespace {

// How a column is read off the server so that it arrives in the copy's text form.
QString ReadExpression(const TColumn& column)
{
    switch (column.Kind) {
    case TKind::Moment:
        return QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI:SS.MS')").arg(column.Name);
    case TKind::Flag:
        return column.Name + QStringLiteral("::integer");
    default:
        return column.Name;
    }
}

// The key's sequence, its table and column bound as $1 and $2 (SequenceParams).
const char* const SequenceOfKey = "pg_get_serial_sequence($1, $2)";

TPgParams SequenceParams(const TTable& table)
{
    return {table.Name.toLower(), table.Columns.front().Name.toLower()};
}

// The payments' keys are cash-order numbers, handed out gapless from the
// book's counter row rather than from a sequence.
bool KeyFromCounter(const TTable& table)
{
    return table.Name == QLatin1String("PaymentHistory");
}

// A server book, read or written in one transaction of its own.
class TServerBookEnd : public TBookEnd
{
public:
    explicit TServerBookEnd(const QString& address)
        : m_connection(address)
        , m_transaction(m_connection)
    {
    }

    void RequireBook()
    {
        m_connection.Execute(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ"));
        if (!HasServerBookTables(m_connection))
            throw EServerException(QStringLiteral("В базе данных на сервере нет книги."));
    }

    // A database without the book gets a new, empty one; a book with content is
    // refused. The book's triggers rest while the rows go in: the copy writes
    // the derived totals and the cash-order numbers as the source holds them,
    // and a trigger per row would cost a book of many payments hours.
    void PrepareEmptyBook()
    {
        if (!HasServerBookTables(m_connection))
            CreateServerBook(m_connection);
        else
            RefuseContent();
        SetTriggers(QStringLiteral("DISABLE"));
    }

    void RefuseContent()
    {
        const TPgResult content = m_connection.Execute(QStringLiteral(
            "SELECT EXISTS (SELECT 1 FROM Debtors) OR EXISTS (SELECT 1 FROM Credits) "
            "OR EXISTS (SELECT 1 FROM PaymentSchedule) OR EXISTS (SELECT 1 FROM PaymentHistory) "
            "OR EXISTS (SELECT 1 FROM CompanyInfo WHERE CompanyName <> '' OR BossName <> '')"));
        if (content.Text(0, 0) == QLatin1String("t"))
            throw EServerException(
                QStringLiteral("Книга на сервере не пуста: копировать можно только в новую, пустую книгу."));
    }

    std::vector<TRow> Read(const TTable& table) override
    {
        QStringList expressions;
        for (const TColumn& column : table.Columns)
            expressions << ReadExpression(column);
        const TPgResult result = m_connection.Execute(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                .arg(expressions.join(QStringLiteral(", ")), table.Name,
                     table.Keyed ? table.Columns.front().Name : QStringLiteral("ctid")));
        std::vector<TRow> rows;
        for (int r = 0; r < result.RowCount(); ++r) {
            TRow row;
            for (int c = 0; c < result.ColumnCount(); ++c) {
                TValue value = result.Value(r, c);
                // numeric(19,4) comes with all four decimals; the file's form is the shortest.
                if (value && table.Columns[std::size_t(c)].Kind == TKind::Money)
                    value = ValueForms::MoneyToText(ValueForms::MoneyFromText(*value));
                row.push_back(std::move(value));
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

    qint64 LastKey(const TTable& table) override
    {
        if (KeyFromCounter(table))
            return m_connection.Execute(QStringLiteral("SELECT LastPaymentID FROM PaymentKeys")).Integer(0, 0);
        const TPgResult last = m_connection.Execute(
            QStringLiteral("SELECT pg_sequence_last_value(%1::regclass)").arg(QLatin1String(SequenceOfKey)), SequenceParams(table));
        return last.IsNull(0, 0) ? 0 : last.Integer(0, 0);
    }

    QString Placeholder(int n) const override { return QStringLiteral("$%1").arg(n + 1); }

    void RunForRows(const QString& sql, const TTable& /*table*/, const std::vector<int>& positions,
                    const std::vector<TRow>& rows) override
    {
        TPgParams params(positions.size());
        for (const TRow& row : rows) {
            for (std::size_t i = 0; i < positions.size(); ++i)
                params[i] = row[std::size_t(positions[i])];
            m_connection.Execute(sql, params);
        }
    }

    void SetLastKey(const TTable& table, qint64 key) override
    {
        if (KeyFromCounter(table)) {
            m_connection.Execute(QStringLiteral("UPDATE PaymentKeys SET LastPaymentID = greatest(LastPaymentID, $1)"),
                                 {QString::number(key)});
            return;
        }
        TPgParams params = SequenceParams(table);
        params.push_back(QString::number(std::max<qint64>(key, 1)));
        params.push_back(key > 0 ? QStringLiteral("true") : QStringLiteral("false"));
        m_connection.Execute(QStringLiteral("SELECT setval(%1, $3::bigint, $4::boolean)").arg(QLatin1String(SequenceOfKey)),
                             params);
    }

    // Many rows to a statement: one round trip and one plan for them all.
    void InsertRows(const TTable& table, const std::vector<TRow>& rows) override
    {
        const int columns = int(table.Columns.size());
        // Well below the protocol's 65535 parameters of one statement.
        const std::size_t perStatement = std::size_t(std::max(1, 20000 / columns));
        for (std::size_t first = 0; first < rows.size(); first += perStatement) {
            const std::size_t count = std::min(perStatement, rows.size() - first);
            QStringList tuples;
            TPgParams params;
            params.reserve(count * std::size_t(columns));
            for (std::size_t r = 0; r < count; ++r) {
                QStringList placeholders;
                for (int c = 0; c < columns; ++c) {
                    placeholders << Placeholder(int(params.size()));
                    params.push_back(rows[first + r][std::size_t(c)]);
                }
                tuples << QLatin1Char('(') + placeholders.join(QStringLiteral(", ")) + QLatin1Char(')');
            }
            m_connection.Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                                     .arg(table.Name, table.ColumnNames().join(QStringLiteral(", ")),
                                          tuples.join(QStringLiteral(", "))),
                                 params);
        }
    }

    bool KeepsDerivedValues() const override { return m_triggersResting; }

    void Commit() override
    {
        if (m_triggersResting)
            SetTriggers(QStringLiteral("ENABLE"));
        m_transaction.Commit();
    }

private:
    // Only the book's own triggers; the foreign keys keep checking.
    void SetTriggers(const QString& state)
    {
        for (const TTable& table : Tables())
            m_connection.Execute(QStringLiteral("ALTER TABLE %1 %2 TRIGGER USER").arg(table.Name, state));
        m_triggersResting = state == QLatin1String("DISABLE");
    }

    TPgConnection m_connection;
    TPgTransactionScope m_transaction;
    bool m_triggersResting = false;
};

}

std::unique_ptr<TBookEnd> OpenServerSource(const QString& address)
{
    auto end = std::make_unique<TServerBookEnd>(address);
    end->RequireBook();
    return end;
}

std::unique_ptr<TBookEnd> CreateServerTarget(const QString& address)
{
    auto end = std::make_unique<TServerBookEnd>(address);
    end->PrepareEmptyBook();
    return end;
}

}
