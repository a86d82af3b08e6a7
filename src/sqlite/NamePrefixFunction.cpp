#include "NamePrefixFunction.h"

#include "Cp1251Fold.h"

#include <sqlite3.h>

namespace {

void NamePrefixNoCase(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_int(context, 0);
        return;
    }
    const auto* text = sqlite3_value_text(arguments[0]);
    const int textSize = sqlite3_value_bytes(arguments[0]);
    const auto* prefix = sqlite3_value_text(arguments[1]);
    const int prefixSize = sqlite3_value_bytes(arguments[1]);
    if (prefixSize > textSize) {
        sqlite3_result_int(context, 0);
        return;
    }
    const Cp1251::TFoldTable& fold = Cp1251::NameFold();
    for (int i = 0; i < prefixSize; ++i) {
        if (fold[text[i]] != fold[prefix[i]]) {
            sqlite3_result_int(context, 0);
            return;
        }
    }
    sqlite3_result_int(context, 1);
}

int RegisterOnConnection(sqlite3* database, const char**, const struct sqlite3_api_routines*)
{
    return sqlite3_create_function(database, "NamePrefixNoCase", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   &NamePrefixNoCase, nullptr, nullptr);
}

}

void RegisterNamePrefixFunction()
{
    // Built now, so that no statement step pays for it.
    Cp1251::NameFold();
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&RegisterOnConnection));
}
