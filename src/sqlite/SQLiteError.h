#pragma once

#include "SQLiteExceptions.h"

#include <SQLiteCpp/Exception.h>

#include <utility>

// Turns an error of the SQLite wrapper into the system's database error with
// SQLite's own message.
[[noreturn]] void RaiseDatabaseError(const SQLite::Exception& error);
// The same for a result code of the C interface and SQLite's message.
[[noreturn]] void RaiseDatabaseError(int errorCode, int extendedErrorCode, const char* message);

// Runs the call and reports SQLite's failures as EDatabaseException.
template <typename F>
decltype(auto) GuardSQLite(F&& call)
{
    try {
        return std::forward<F>(call)();
    } catch (const SQLite::Exception& error) {
        RaiseDatabaseError(error);
    }
}
