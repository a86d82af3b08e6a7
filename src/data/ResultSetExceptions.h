#pragma once

#include "DataExceptions.h"

// A result set was asked for a column it does not have.
class EFieldNotFoundException : public EDataAccessFacadeException
{
public:
    explicit EFieldNotFoundException(const QString& name);
};

// A presentation a column's type cannot take (the money mark on a text column).
class EInvalidFieldTypeException : public EDataAccessFacadeException
{
public:
    EInvalidFieldTypeException(const QString& name, const QString& declaredType);
};
