#pragma once

#include "domain/Exception.h"

// A dialog is handed its records by pointer; a missing one is the caller's
// mistake, raised with the dialog's own text for it ("Должник не задан.").
inline void RequireArgument(const void* argument, const QString& missingText)
{
    if (!argument)
        throw Exception(missingText);
}
