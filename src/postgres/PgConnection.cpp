#include "PgConnection.h"

#include "PgExceptions.h"

#include "domain/ServerAddress.h"

#include <libpq-fe.h>

TPgConnection::TPgConnection(const QString& address, const std::optional<QString>& password)
{
    const QByteArray dbname = address.toUtf8();
    QByteArray secret = password ? password->toUtf8() : QByteArray();
    // A server that does not answer is given up after ten seconds, not left
    // to freeze the window; an address naming its own connect_timeout wins,
    // coming after it. The address may name its own client_encoding too;
    // ours comes after and wins.
    std::vector<const char*> keywords{"connect_timeout", "dbname", "client_encoding", "application_name"};
    std::vector<const char*> values{"10", dbname.constData(), "UTF8", "varnel"};
    if (password) {
        keywords.push_back("password");
        values.push_back(secret.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    m_connection = PQconnectdbParams(keywords.data(), values.data(), /*expand_dbname*/ 1);
    secret.fill('\0'); // libpq keeps its own copy for reconnecting
    if (!m_connection)
        throw EServerConnectionException(ServerConnectFailureText(QString()));
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(m_connection));
        const QString user = QString::fromUtf8(PQuser(m_connection));
        const bool passwordMissing = PQconnectionNeedsPassword(m_connection);
        // A password may have passed and the database still be missing: only
        // the server's word on the password (in English or Russian) tells.
        const bool passwordRefused = PQconnectionUsedPassword(m_connection) &&
            (message.contains(QLatin1String("password authentication failed")) ||
             message.contains(QStringLiteral("по паролю")));
        PQfinish(m_connection);
        if (passwordMissing)
            throw EServerPasswordNeededException(ServerPasswordNeededText(user));
        if (passwordRefused)
            throw EServerPasswordRefusedException(ServerPasswordRefusedText(user, message));
        throw EServerConnectionException(ServerConnectFailureText(message));
    }
}

TPgConnection::~TPgConnection()
{
    PQfinish(m_connection);
}

bool TPgConnection::IsServerAddress(const QString& address)
{
    return TServerAddress::IsUri(address);
}

TPgResult TPgConnection::Execute(const QString& sql, const TPgParams& params)
{
    ReconnectWhenLost();
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
    ReconnectWhenLost();
    Checked(PQexec(m_connection, sql.toUtf8().constData()));
}

void TPgConnection::ReconnectWhenLost()
{
    if (PQstatus(m_connection) == CONNECTION_OK)
        return;
    // Inside a transaction its writes are gone with the connection: the scope must end first.
    if (m_scopeDepth == 0)
        PQreset(m_connection);
    if (PQstatus(m_connection) != CONNECTION_OK)
        throw EServerConnectionLostException(ServerConnectionLostText(QString::fromUtf8(PQerrorMessage(m_connection))));
    for (const QString& sql : m_sessionStatements)
        Checked(PQexec(m_connection, sql.toUtf8().constData()));
}

void TPgConnection::KeepForSession(const QString& sql)
{
    Execute(sql);
    m_sessionStatements << sql;
}

bool TPgConnection::NotifiedByOthers()
{
    if (PQconsumeInput(m_connection) == 0)
        return false; // a broken connection: the next statement says so
    const int own = PQbackendPID(m_connection);
    bool others = false;
    while (PGnotify* notification = PQnotifies(m_connection)) {
        others = others || notification->be_pid != own;
        PQfreemem(notification);
    }
    return others;
}

int TPgConnection::Socket() const
{
    return PQsocket(m_connection);
}

bool TPgConnection::InTransaction() const
{
    // A broken connection has no transaction left: the server dropped it.
    const PGTransactionStatusType status = PQtransactionStatus(m_connection);
    return status != PQTRANS_IDLE && status != PQTRANS_UNKNOWN;
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
        throw EServerConnectionLostException(ServerConnectionLostText(message));
    throw EServerException(ServerStatementFailureText(QString::fromLatin1(state), message));
}
