#include "SQLiteRowEngine.h"

#include "SQLStatement.h"

namespace {

class TStatementRows : public IRowSource
{
public:
    TStatementRows(TSQLiteConnection& connection, const QString& sql) : m_statement(connection, { sql }) {}

    TSQLStatement& Statement() { return m_statement; }

    int ColumnCount() const override { return m_statement.ColumnCount(); }
    QString ColumnName(int column) const override { return m_statement.ColumnName(column); }
    QString ColumnDeclaredType(int column) const override { return m_statement.ColumnDeclaredType(column); }
    bool Step() override { return m_statement.Step(); }
    TStoredValue Value(int column) const override { return m_statement.Value(column); }

private:
    TSQLStatement m_statement;
};

}

std::unique_ptr<IRowSource> TSQLiteRowEngine::Run(const QString& sql, const TQueryParams& params)
{
    auto rows = std::make_unique<TStatementRows>(m_connection, sql);
    for (const auto& [name, value] : params)
        rows->Statement().BindValue(name, value);
    return rows;
}
