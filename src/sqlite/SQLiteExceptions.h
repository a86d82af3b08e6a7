#pragma once

#include "domain/Exception.h"

// An error reported by SQLite, carrying SQLite's own message unchanged.
class EDatabaseException : public Exception
{
public:
    EDatabaseException(QString message, int errorCode, int extendedErrorCode);

    int ErrorCode() const { return m_errorCode; }
    int ExtendedErrorCode() const { return m_extendedErrorCode; }

private:
    int m_errorCode;
    int m_extendedErrorCode;
};

// The file is locked by another program (or by another connection of this
// one) for longer than the connection waits. Said in the user's words: a loan
// book in use is neither damaged nor foreign.
class EDatabaseBusyException : public EDatabaseException
{
public:
    EDatabaseBusyException(int errorCode, int extendedErrorCode);
};

// The file refused a write: it is read-only, the disk is full or the disk
// failed. Says so, and what the clerk can do, instead of SQLite's English.
class EDatabaseWriteException : public EDatabaseException
{
public:
    EDatabaseWriteException(int errorCode, int extendedErrorCode);
};

// A text with a character that Windows-1251 has no code for: the file
// cannot hold it, and it is refused instead of being stored as "?".
class ETextEncodingException : public Exception
{
public:
    ETextEncodingException(const QString& text, const QString& character);
};
