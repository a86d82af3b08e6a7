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

class EPaymentNotExistsException : public EDataAccessFacadeException
{
public:
    explicit EPaymentNotExistsException(int paymentID);
};

// A text that should have been a whole number and is not one.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};
