#pragma once

#include "domain/Exception.h"

// The data-access facade's own errors.
class EDataAccessFacadeException : public Exception
{
public:
    using Exception::Exception;
};

class EDebtorNotExistsException : public EDataAccessFacadeException
{
public:
    explicit EDebtorNotExistsException(int debtorID);
};

class ECreditNotExistsException : public EDataAccessFacadeException
{
public:
    explicit ECreditNotExistsException(int creditID);
};

// A text with a character that Windows-1251 has no code for: the file
// cannot hold it, and it is refused instead of being stored as "?".
class ETextEncodingException : public EDataAccessFacadeException
{
public:
    ETextEncodingException(const QString& text, const QString& character);
};

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

// A text that should have been a whole number and is not one.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};
