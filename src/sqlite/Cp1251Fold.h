#pragma once

#include <array>

namespace Cp1251 {

// Each Windows-1251 byte as names are compared: a letter as its capital
// (Cyrillic and Latin), Ё and ё as Е, since people write either; every other
// byte as it is. Folded Cyrillic capitals keep the alphabet's order
// (А..Я are 0xC0..0xDF) and follow every other byte.
using TFoldTable = std::array<unsigned char, 256>;
const TFoldTable& NameFold();

inline bool IsYo(unsigned char byte)
{
    return byte == 0xA8 || byte == 0xB8;
}

}
