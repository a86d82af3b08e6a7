#pragma once

#include "domain/Exception.h"

// A result set was asked for a column it does not have.
class EFieldNotFoundException : public Exception
{
public:
    explicit EFieldNotFoundException(const QString& name);
};
