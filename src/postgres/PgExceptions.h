#pragma once

#include "domain/Exception.h"

// A failure of the PostgreSQL server or of the way to it, with a Russian
// message that starts with what went wrong and ends with the server's own words.
class EServerException : public Exception
{
public:
    using Exception::Exception;
};

// The server could not be reached, refused the user, or the connection broke.
class EServerConnectionException : public EServerException
{
public:
    using EServerException::EServerException;
};

// The connection broke while in use. A transaction that was running is lost
// on the server with everything it wrote; the next statement outside a
// transaction tries to connect again.
class EServerConnectionLostException : public EServerConnectionException
{
public:
    using EServerConnectionException::EServerConnectionException;
};

// The message for a connection that could not be made (libpq's text after it).
QString ServerConnectFailureText(const QString& libpqMessage);
// The message for a connection lost in use (libpq's text after it).
QString ServerConnectionLostText(const QString& libpqMessage);
// The message for a failed statement: its SQLSTATE and libpq's text.
QString ServerStatementFailureText(const QString& sqlState, const QString& libpqMessage);

// The server wants a password for the user and none was given or found in
// ~/.pgpass: the caller may ask the user and connect again with it.
class EServerPasswordNeededException : public EServerConnectionException
{
public:
    using EServerConnectionException::EServerConnectionException;
};

// The server refused the password given or found in ~/.pgpass.
class EServerPasswordRefusedException : public EServerConnectionException
{
public:
    using EServerConnectionException::EServerConnectionException;
};

QString ServerPasswordNeededText(const QString& user);
QString ServerPasswordRefusedText(const QString& user, const QString& libpqMessage);
