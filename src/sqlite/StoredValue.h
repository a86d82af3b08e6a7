#pragma once

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>

// One value as SQLite holds it, read in the forms of the file: the one reader
// of stored values, for a statement's current row and a result set's cells
// alike. An integer is kept as the number; text, a blob or a real as the bytes
// SQLite gives for it (Windows-1251 text, a real written out). A real read
// from a statement also keeps its number and asks for its text only when a
// reader needs it. A server book's text arrives as UTF-8 (Utf8Text); its
// other values are handed over in the file's kinds and forms.
class TStoredValue
{
public:
    // SQLite's fundamental types, numbered as SQLite numbers them, and text in UTF-8.
    enum TType { Integer = 1, Float = 2, Text = 3, Blob = 4, Null = 5, Utf8Text = 6 };
    // Fetches the bytes of a real that SQLite writes out on request.
    using TTextSource = QByteArrayView (*)(const void* owner, int column);

    TStoredValue() = default;
    static TStoredValue FromInteger(qint64 value);
    static TStoredValue FromBytes(int type, QByteArrayView bytes);
    static TStoredValue FromReal(double value, TTextSource source, const void* owner, int column);

    int Type() const { return m_type; }
    bool IsNull() const { return m_type == Null; }
    qint64 IntegerNumber() const { return m_integer; }
    // The stored bytes; nothing for an integer or NULL.
    QByteArrayView Bytes() const;

    // NULL reads as empty, 0, the zero date or false.
    QString ToText() const;
    qint64 ToInteger() const;
    Money ToMoney() const;
    DateTime ToDateTime() const;
    bool ToFlag() const;
    // An invalid QVariant for NULL, qlonglong, double or text.
    QVariant ToVariant() const;

private:
    int m_type = Null;
    qint64 m_integer = 0;
    double m_real = 0;
    bool m_hasReal = false;
    QByteArrayView m_bytes;
    TTextSource m_source = nullptr;
    const void* m_owner = nullptr;
    int m_column = 0;
};
