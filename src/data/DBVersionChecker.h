#pragma once

#include "DBVersion.h"

#include <optional>

// How the start-up reaches the version check. Holding it never frees the facade.
class IDBVersionChecker
{
public:
    // True when the file carries Required's type and at least its version.
    // Found receives what was read from the file, or nothing when nothing could be read.
    virtual bool VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found) = 0;

protected:
    ~IDBVersionChecker() = default;
};
