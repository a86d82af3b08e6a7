#include "Cp1251Fold.h"

#include "Cp1251Codec.h"

namespace {

Cp1251::TFoldTable BuildNameFold()
{
    Cp1251::TFoldTable table {};
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
    const unsigned char capitalYe = 0xC5;
    table[0xA8] = capitalYe;
    table[0xB8] = capitalYe;
    return table;
}

}

const Cp1251::TFoldTable& Cp1251::NameFold()
{
    static const TFoldTable table = BuildNameFold();
    return table;
}
