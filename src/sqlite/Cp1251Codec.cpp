#include "Cp1251Codec.h"

#include "SQLiteExceptions.h"

#include <array>
#include <cerrno>
#include <iconv.h>

namespace {

// The code page is read once from glibc's iconv into two tables; after that a
// conversion is a lookup per character.
struct TCodePage
{
    std::array<char16_t, 256> toUnicode {};
    std::array<unsigned char, 0x10000> fromUnicode {}; // 0: no code (U+0000 is handled apart)
    std::array<bool, 0x10000> encodable {};

    TCodePage()
    {
        iconv_t cd = iconv_open("UTF-16LE", "CP1251");
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw Exception(QStringLiteral("Кодировка Windows-1251 недоступна в системе."));
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            char out[4] = {};
            char* inPtr = &in;
            char* outPtr = out;
            std::size_t inLeft = 1;
            std::size_t outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const bool ok
                = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && outLeft == 2;
            // The one byte without a character (0x98) keeps its value as the C1
            // control U+0098, so that it survives a read and a write unchanged.
            const char16_t unit = ok
                ? char16_t(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8))
                : char16_t(b);
            toUnicode[b] = unit;
            fromUnicode[unit] = static_cast<unsigned char>(b);
            encodable[unit] = true;
        }
        iconv_close(cd);
    }
};

const TCodePage& CodePage()
{
    static const TCodePage page;
    return page;
}

}

namespace Cp1251 {

QByteArray Encode(const QString& text)
{
    const TCodePage& page = CodePage();
    QByteArray result(text.size(), Qt::Uninitialized);
    char* out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            out[i] = static_cast<char>(c);
        } else if (page.encodable[c]) {
            out[i] = static_cast<char>(page.fromUnicode[c]);
        } else {
            throw ETextEncodingException(text, FirstUnencodable(text));
        }
    }
    return result;
}

QString FirstUnencodable(const QString& text)
{
    const TCodePage& page = CodePage();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x80 && !page.encodable[c]) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
            return text.mid(i, pair ? 2 : 1);
        }
    }
    return QString();
}

QString Decode(const char* bytes, int size)
{
    const TCodePage& page = CodePage();
    QString result(size, Qt::Uninitialized);
    QChar* out = result.data();
    for (int i = 0; i < size; ++i)
        out[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return result;
}

}
