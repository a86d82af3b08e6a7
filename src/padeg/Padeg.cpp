#include "Padeg.h"

#include "Cp1251Text.h"
#include "FullNameDeclension.h"

#include <cstring>

int32_t PADEG_CALL GetFIOPadegFSAS(const char* fio, int32_t padeg, char* buffer, int32_t* bufferSize)
{
    if (padeg < NominativeCase || padeg > PrepositionalCase)
        return PADEG_BAD_CASE;
    if (!bufferSize || *bufferSize < 0)
        return PADEG_BUFFER_TOO_SMALL;
    const std::string result = Cp1251Text::Encode(DeclineFullName(Cp1251Text::Decode(fio), padeg));
    const auto length = static_cast<int32_t>(result.size());
    if (length > *bufferSize || (length > 0 && !buffer))
        return PADEG_BUFFER_TOO_SMALL;
    if (length > 0)
        std::memcpy(buffer, result.data(), result.size());
    if (buffer && length < *bufferSize)
        buffer[length] = '\0';
    *bufferSize = length;
    return PADEG_OK;
}

int32_t PADEG_CALL GetSex(const char* patronymic)
{
    const std::u32string text = Cp1251Text::Decode(patronymic);
    // The last word, so that a whole full name can be given as well.
    const std::size_t end = text.find_last_not_of(U' ');
    if (end == std::u32string::npos)
        return int32_t(TNameSex::Unknown);
    const std::size_t start = text.find_last_of(U' ', end);
    const std::size_t from = start == std::u32string::npos ? 0 : start + 1;
    return int32_t(SexOfPatronymic(text.substr(from, end + 1 - from)));
}
