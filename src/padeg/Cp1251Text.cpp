#include "Cp1251Text.h"

namespace Cp1251Text {

namespace {
// Bytes outside ASCII that are no Russian letter keep their value here.
constexpr char32_t PrivateBase = 0xF700;
}

std::u32string Decode(const char* bytes)
{
    std::u32string text;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes); p && *p; ++p) {
        const unsigned char b = *p;
        if (b < 0x80)
            text.push_back(b);
        else if (b >= 0xC0)
            text.push_back(char32_t(0x0410 + (b - 0xC0)));
        else if (b == 0xA8)
            text.push_back(U'Ё');
        else if (b == 0xB8)
            text.push_back(U'ё');
        else
            text.push_back(PrivateBase + b);
    }
    return text;
}

std::string Encode(const std::u32string& text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80)
            bytes.push_back(char(c));
        else if (c >= 0x0410 && c <= 0x044F)
            bytes.push_back(char(0xC0 + (c - 0x0410)));
        else if (c == U'Ё')
            bytes.push_back(char(0xA8));
        else if (c == U'ё')
            bytes.push_back(char(0xB8));
        else if (c >= PrivateBase + 0x80 && c <= PrivateBase + 0xFF)
            bytes.push_back(char(c - PrivateBase));
        else
            bytes.push_back('?');
    }
    return bytes;
}

}
