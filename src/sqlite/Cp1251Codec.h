#pragma once

#include <QByteArray>
#include <QString>

// Text of the loan-book file is stored as single-byte Windows-1251, as the
// files of earlier installations hold it. Decoding is byte-exact: every byte
// comes back as the same byte when the text is encoded again.
namespace Cp1251 {

// Raises ETextEncodingException, naming the text and the character, when a
// character has no Windows-1251 code: storing it as "?" would lose it silently.
QByteArray Encode(const QString& text);
// The first character of the text that has no Windows-1251 code (a surrogate
// pair whole), or an empty text when the file can hold all of it.
QString FirstUnencodable(const QString& text);
QString Decode(const char* bytes, int size);
inline QString Decode(const QByteArray& bytes)
{
    return Decode(bytes.constData(), int(bytes.size()));
}

}
