#include "NamePrefixFunction.h"

#include "sqlite/Cp1251Codec.h"

#include <sqlite3.h>

#include <array>

namespace {

using TFoldTable = std::array<unsigned char, 256>;

TFoldTable BuildUpperTable()
{
    TFoldTable table {};
    for (int byte = 0; byte < 256; ++byte) {
        table[std::size_t(byte)] = static_cast<unsigned char>(byte);
        const char raw = static_cast<char>(byte);
        const QString upper = Cp1251::Decode(&raw, 1).toUpper();
        if (upper.size() != 1)
            continue;
        try {
            const QByteArray encoded = Cp1251::Encode(upper);
            if (encoded.size() == 1)
                table[std::size_t(byte)] = static_cast<unsigned char>(encoded.at(0));
        } catch (...) {
            // A letter whose capital Windows-1251 lacks stays as it is.
        }
    }
    return table;
}

const TFoldTable& UpperTable()
{
    static const TFoldTable table = BuildUpperTable();
    return table;
}

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
    const TFoldTable& upper = UpperTable();
    for (int i = 0; i < prefixSize; ++i) {
        if (upper[text[i]] != upper[prefix[i]]) {
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
    UpperTable();
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&RegisterOnConnection));
}
