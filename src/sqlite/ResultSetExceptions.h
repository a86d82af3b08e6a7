#pragma once

#include "domain/Exception.h"

// A result set was asked for a column it does not have.
class EFieldNotFoundException : public Exception
{
public:
    explicit EFieldNotFoundException(const QString& name);
};

// A presentation a column's type cannot take (the money mark on a text column).
class EInvalidFieldTypeException : public Exception
{
public:
    EInvalidFieldTypeException(const QString& name, const QString& declaredType);
};
