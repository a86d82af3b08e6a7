#include "StatementRecorder.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>

TStatementRecorder::TStatementRecorder(sqlite3* connection)
    : m_connection(connection)
{
    sqlite3_trace_v2(m_connection, SQLITE_TRACE_STMT, &TStatementRecorder::OnTrace, this);
}

TStatementRecorder::~TStatementRecorder()
{
    sqlite3_trace_v2(m_connection, 0, nullptr, nullptr);
}

int TStatementRecorder::OnTrace(unsigned type, void* context, void* statement, void* text)
{
    if (type != SQLITE_TRACE_STMT)
        return 0;
    // A trigger's statements come with a "--" comment instead of their text.
    const char* unexpanded = static_cast<const char*>(text);
    if (unexpanded && unexpanded[0] == '-' && unexpanded[1] == '-')
        return 0;
    char* expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    static_cast<TStatementRecorder*>(context)->m_statements << QByteArray(expanded ? expanded : unexpanded);
    sqlite3_free(expanded);
    return 0;
}

qint64 RunBare(sqlite3* connection, const QList<QByteArray>& statements)
{
    qint64 bytes = 0;
    for (const QByteArray& sql : statements) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(connection, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(connection)) + ": " + sql.toStdString());
        int result = SQLITE_ROW;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
            const int columns = sqlite3_column_count(statement);
            for (int i = 0; i < columns; ++i) {
                if (sqlite3_column_text(statement, i))
                    bytes += sqlite3_column_bytes(statement, i);
            }
        }
        sqlite3_finalize(statement);
        if (result != SQLITE_DONE)
            throw std::runtime_error(std::string(sqlite3_errmsg(connection)) + ": " + sql.toStdString());
    }
    return bytes;
}
