#pragma once

#include "PgResult.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct pg_conn;

// The values of a statement's $1, $2, ... in their text forms; nothing is NULL.
// Values are always bound, never pasted into the SQL text.
using TPgParams = std::vector<std::optional<QString>>;

// One connection to a PostgreSQL server, open for the object's lifetime.
// The address is a libpq connection string or URI
// (postgresql:///BOOK?host=/run/postgresql&user=clerk); a password is never
// part of what the program keeps: libpq reads ~/.pgpass itself, or the user
// types it and it lives in memory for the connection's lifetime only.
// Every failure surfaces as EServerException (EServerConnectionException for
// the connection itself, EServerConnectionLostException when it broke in use:
// the next statement outside a transaction then connects again, once).
class TPgConnection
{
public:
    // A server that asks for a password none was found for raises
    // EServerPasswordNeededException; one that refused the password given
    // (or that of ~/.pgpass), EServerPasswordRefusedException.
    explicit TPgConnection(const QString& address, const std::optional<QString>& password = std::nullopt);
    ~TPgConnection();
    TPgConnection(const TPgConnection&) = delete;
    TPgConnection& operator=(const TPgConnection&) = delete;

    // One statement with bound parameters; its rows.
    TPgResult Execute(const QString& sql, const TPgParams& params = {});
    // Several statements without parameters, as one piece of text (a schema).
    void ExecuteScript(const QString& sql);

    // A statement of the session (LISTEN, SET): run now and again after every reconnection.
    void KeepForSession(const QString& sql);
    // Whether another connection sent a notification on a channel this one
    // listens to since the last call; never waits. Its own are passed over.
    bool NotifiedByOthers();
    // The socket to wait on for notifications; -1 without a connection.
    int Socket() const;

    bool InTransaction() const;
    // How many TPgTransactionScopes are open on this connection.
    int ScopeDepth() const { return m_scopeDepth; }
    void EnterScope() { ++m_scopeDepth; }
    void LeaveScope() { --m_scopeDepth; }

    // Whether the address names a server book rather than a file.
    static bool IsServerAddress(const QString& address);

private:
    TPgResult Checked(pg_result* result);
    // A connection lost while no transaction ran is made again, once per statement.
    void ReconnectWhenLost();

    pg_conn* m_connection = nullptr;
    int m_scopeDepth = 0;
    QStringList m_sessionStatements;
};
