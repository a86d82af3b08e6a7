#pragma once

#include "domain/Exception.h"

// A failure of the name-declension library: not loaded, a function missing,
// or an error code it returned.
class EDeclensionException : public Exception
{
public:
    using Exception::Exception;
};
