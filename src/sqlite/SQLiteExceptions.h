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

// A text with a character that Windows-1251 has no code for: the file
// cannot hold it, and it is refused instead of being stored as "?".
class ETextEncodingException : public Exception
{
public:
    ETextEncodingException(const QString& text, const QString& character);
};
