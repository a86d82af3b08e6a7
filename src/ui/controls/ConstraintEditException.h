#pragma once

#include "domain/Exception.h"

// Raised when a constrained edit's text is read while its constraint fails.
class EConstraintEditException : public Exception
{
public:
    using Exception::Exception;
};
