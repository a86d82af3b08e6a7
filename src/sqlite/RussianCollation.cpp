#include "RussianCollation.h"

#include "Cp1251Fold.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace {

int CompareRussian(void*, int leftSize, const void* leftBytes, int rightSize, const void* rightBytes)
{
    const auto* left = static_cast<const unsigned char*>(leftBytes);
    const auto* right = static_cast<const unsigned char*>(rightBytes);
    const int common = std::min(leftSize, rightSize);
    const Cp1251::TFoldTable& fold = Cp1251::NameFold();
    for (int i = 0; i < common; ++i)
        if (fold[left[i]] != fold[right[i]])
            return fold[left[i]] < fold[right[i]] ? -1 : 1;
    if (leftSize != rightSize)
        return leftSize < rightSize ? -1 : 1;
    for (int i = 0; i < common; ++i)
        if (Cp1251::IsYo(left[i]) != Cp1251::IsYo(right[i]))
            return Cp1251::IsYo(left[i]) ? 1 : -1;
    return std::memcmp(left, right, std::size_t(common));
}

int RegisterOnConnection(sqlite3* database, const char**, const struct sqlite3_api_routines*)
{
    return sqlite3_create_collation(database, "Russian", SQLITE_UTF8, nullptr, &CompareRussian);
}

}

void RegisterRussianCollation()
{
    // Built now, so that no comparison pays for it.
    Cp1251::NameFold();
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&RegisterOnConnection));
}
