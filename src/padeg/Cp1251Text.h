#pragma once

#include <string>

// Windows-1251 bytes to and from wide text. Letters map to their Unicode
// code points; every other byte round-trips unchanged through a private range.
namespace Cp1251Text {

std::u32string Decode(const char* bytes);
std::string Encode(const std::u32string& text);

}
