#include "BookEnd.h"

#include "data/LoanBookFile.h"
#include "data/LoanBookTables.h"
#include "domain/Exception.h"
#include "sqlite/SQLStatement.h"
#include "sqlite/SQLiteConnection.h"
#include "sqlite/TransactionScope.h"
#include "sqlite/ValueForms.h"

#include <QFile>

namespace BookCopy {

namespace {

QString FromStored(const TStoredValue& value, TKind kind)
{
    switch (kind) {
    case TKind::Integer:
        return ValueForms::IntegerToText(value.ToInteger());
    case TKind::Text:
        return value.ToText();
    case TKind::Money:
        return ValueForms::MoneyToText(value.ToMoney());
    case TKind::Moment:
        return ValueForms::DateTimeToText(value.ToDateTime());
    case TKind::Flag:
        return ValueForms::FlagToText(value.ToFlag());
    }
    return QString();
}

void Bind(TSQLStatement& statement, const QString& name, const TValue& value, TKind kind)
{
    if (!value) {
        statement.BindNull(name);
        return;
    }
    switch (kind) {
    case TKind::Integer:
        statement.BindInteger(name, ValueForms::IntegerFromText(*value));
        break;
    case TKind::Text:
        statement.BindText(name, *value);
        break;
    case TKind::Money:
        statement.BindMoney(name, ValueForms::MoneyFromText(*value));
        break;
    case TKind::Moment:
        statement.BindDateTime(name, ValueForms::DateTimeFromText(*value));
        break;
    case TKind::Flag:
        statement.BindInteger(name, ValueForms::FlagFromText(*value) ? 1 : 0);
        break;
    }
}

// A loan-book file, read or written in one transaction of its own.
class TFileBookEnd : public TBookEnd
{
public:
    TFileBookEnd(const QString& fileName, bool created)
        : m_fileName(fileName)
        , m_created(created)
    {
        m_connection.SetFileName(fileName);
        m_connection.Open();
        if (!created) {
            const QString missing = DescribeMissingLoanBookColumns(m_connection);
            if (!missing.isEmpty())
                throw Exception(missing);
        }
        m_transaction = std::make_unique<TTransactionScope>(
            m_connection, created ? TTransactionScope::TKind::Immediate : TTransactionScope::TKind::Deferred);
    }

    ~TFileBookEnd() override
    {
        if (m_committed || !m_created)
            return;
        // A book begun and not finished is no book: nothing half-copied is left behind.
        m_transaction.reset();
        m_connection.Close();
        QFile::remove(m_fileName);
    }

    std::vector<TRow> Read(const TTable& table) override
    {
        TSQLStatement statement(m_connection, {QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                                   .arg(table.ColumnNames().join(QStringLiteral(", ")), table.Name)});
        std::vector<TRow> rows;
        while (statement.Step()) {
            TRow row;
            for (int i = 0; i < int(table.Columns.size()); ++i) {
                const TStoredValue value = statement.Value(i);
                row.push_back(value.IsNull() ? TValue() : TValue(FromStored(value, table.Columns[std::size_t(i)].Kind)));
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

    qint64 LastKey(const TTable& table) override
    {
        // Books of older installations declared their keys without a sequence.
        TSQLStatement exists(m_connection, {QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'sqlite_sequence'")});
        if (!exists.Step())
            return 0;
        TSQLStatement sequence(m_connection, {QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = :name")});
        sequence.BindText(QStringLiteral("name"), table.Name);
        return sequence.Step() ? sequence.Integer(0) : 0;
    }

    QString Placeholder(int n) const override { return QStringLiteral(":v%1").arg(n); }

    void RunForRows(const QString& sql, const TTable& table, const std::vector<int>& positions,
                    const std::vector<TRow>& rows) override
    {
        TSQLStatement statement(m_connection, {sql});
        for (const TRow& row : rows) {
            for (int i = 0; i < int(positions.size()); ++i) {
                const std::size_t position = std::size_t(positions[std::size_t(i)]);
                Bind(statement, QStringLiteral("v%1").arg(i), row[position], table.Columns[position].Kind);
            }
            statement.Execute();
            statement.Reset();
        }
    }

    void SetLastKey(const TTable& table, qint64 key) override
    {
        TSQLStatement forget(m_connection, {QStringLiteral("DELETE FROM sqlite_sequence WHERE name = :name")});
        forget.BindText(QStringLiteral("name"), table.Name);
        forget.Execute();
        if (key <= 0)
            return;
        TSQLStatement keep(m_connection, {QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (:name, :seq)")});
        keep.BindText(QStringLiteral("name"), table.Name);
        keep.BindInteger(QStringLiteral("seq"), key);
        keep.Execute();
    }

    void Commit() override
    {
        m_transaction->Commit();
        m_committed = true;
    }

private:
    QString m_fileName;
    bool m_created;
    bool m_committed = false;
    TSQLiteConnection m_connection;
    std::unique_ptr<TTransactionScope> m_transaction;
};

}

std::unique_ptr<TBookEnd> OpenFileSource(const QString& fileName)
{
    return std::make_unique<TFileBookEnd>(fileName, false);
}

std::unique_ptr<TBookEnd> CreateFileTarget(const QString& fileName)
{
    CreateLoanBookFile(fileName);
    return std::make_unique<TFileBookEnd>(fileName, true);
}

}
