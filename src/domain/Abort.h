#pragma once

#include "Exception.h"

// Ends a user command quietly: the application's error handler shows nothing for it.
class EAbort : public Exception
{
public:
    EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};
