#include "PgConnection.h"

#include "PgExceptions.h"

#include <libpq-fe.h>

TPgConnection::TPgConnection(const QString& address)
{
    const QByteArray dbname = address.toUtf8();
    // The address may name its own client_encoding; ours comes after and wins.
    const char* const keywords[] = { "dbname", "client_encoding", "application_name", nullptr };
    const char* const values[] = { dbname.constData(), "UTF8", "varnel", nullptr };
    m_connection = PQconnectdbParams(keywords, values, /*expand_dbname*/ 1);
    if (!m_connection)
        throw EServerConnectionException(ServerConnectFailureText(QString()));
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(m_connection));
        PQfinish(m_connection);
        throw EServerConnectionException(ServerConnectFailureText(message));
    }
}

TPgConnection::~TPgConnection()
{
    PQfinish(m_connection);
}

bool TPgConnection::IsServerAddress(const QString& address)
{
    return address.startsWith(QLatin1String("postgresql://")) || address.startsWith(QLatin1String("postgres://"));
}

TPgResult TPgConnection::Execute(const QString& sql, const TPgParams& params)
{
    std::vector<QByteArray> texts;
    texts.reserve(params.size());
    std::vector<const char*> values;
    values.reserve(params.size());
    for (const std::optional<QString>& param : params) {
        texts.push_back(param ? param->toUtf8() : QByteArray());
        values.push_back(param ? texts.back().constData() : nullptr);
    }
    return Checked(PQexecParams(m_connection, sql.toUtf8().constData(), int(params.size()), nullptr,
                                values.data(), nullptr, nullptr, 0));
}

void TPgConnection::ExecuteScript(const QString& sql)
{
    Checked(PQexec(m_connection, sql.toUtf8().constData()));
}

bool TPgConnection::InTransaction() const
{
    return PQtransactionStatus(m_connection) != PQTRANS_IDLE;
}

TPgResult TPgConnection::Checked(pg_result* result)
{
    TPgResult owned(result);
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return owned;
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QString message = QString::fromUtf8(PQerrorMessage(m_connection));
    if (PQstatus(m_connection) != CONNECTION_OK)
        throw EServerConnectionException(ServerStatementFailureText(QString(), message));
    throw EServerException(ServerStatementFailureText(QString::fromLatin1(state), message));
}
