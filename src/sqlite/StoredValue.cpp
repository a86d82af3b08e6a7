#include "StoredValue.h"

#include "Cp1251Codec.h"
#include "ValueForms.h"

#include <cmath>
#include <limits>

TStoredValue TStoredValue::FromInteger(qint64 value)
{
    TStoredValue stored;
    stored.m_type = Integer;
    stored.m_integer = value;
    return stored;
}

TStoredValue TStoredValue::FromBytes(int type, QByteArrayView bytes)
{
    TStoredValue stored;
    stored.m_type = type;
    stored.m_bytes = bytes;
    return stored;
}

TStoredValue TStoredValue::FromReal(double value, TTextSource source, const void* owner, int column)
{
    TStoredValue stored;
    stored.m_type = Float;
    stored.m_real = value;
    stored.m_hasReal = true;
    stored.m_source = source;
    stored.m_owner = owner;
    stored.m_column = column;
    return stored;
}

QByteArrayView TStoredValue::Bytes() const
{
    if (m_source)
        return m_source(m_owner, m_column);
    return m_bytes;
}

QString TStoredValue::ToText() const
{
    switch (m_type) {
    case Null:
        return QString();
    case Integer:
        return QString::number(m_integer); // as SQLite writes an integer out
    case Utf8Text:
        return QString::fromUtf8(m_bytes.data(), m_bytes.size());
    default: {
        const QByteArrayView bytes = Bytes();
        return Cp1251::Decode(bytes.data(), int(bytes.size()));
    }
    }
}

qint64 TStoredValue::ToInteger() const
{
    switch (m_type) {
    case Integer:
        return m_integer;
    case Null:
        return 0;
    default:
        return ValueForms::IntegerFromText(ToText());
    }
}

Money TStoredValue::ToMoney() const
{
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / Money::UnitsPerRouble;
    switch (m_type) {
    case Integer:
        if (m_integer <= limit && m_integer >= -limit)
            return Money::FromUnits(m_integer * Money::UnitsPerRouble);
        return Money();
    case Null:
        return Money();
    case Float:
        // A real reads as the text SQLite gives for it (15 significant digits),
        // rounded to four decimals. Below 1e10 that text is within 0.05
        // ten-thousandths of the real itself, so when the real is clearly off a
        // tie the nearest whole number of ten-thousandths is the same either
        // way, and no text is needed.
        if (m_hasReal && std::fabs(m_real) < 1e10) {
            const long double units = static_cast<long double>(m_real) * Money::UnitsPerRouble;
            const long double nearest = std::nearbyintl(units);
            if (std::fabs(units - nearest) < 0.25L)
                return Money::FromUnits(static_cast<std::int64_t>(nearest));
        }
        return ValueForms::MoneyFromText(ToText());
    default:
        return ValueForms::MoneyFromText(ToText());
    }
}

DateTime TStoredValue::ToDateTime() const
{
    return ValueForms::DateTimeFromText(ToText());
}

bool TStoredValue::ToFlag() const
{
    return ToInteger() != 0;
}

QVariant TStoredValue::ToVariant() const
{
    switch (m_type) {
    case Null:
        return QVariant();
    case Integer:
        return QVariant(qlonglong(m_integer));
    case Float:
        return QVariant(m_hasReal ? m_real : ToText().toDouble());
    default:
        return QVariant(ToText());
    }
}
