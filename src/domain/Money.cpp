#include "Money.h"

#include "Exception.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

// The common case, a plain decimal with at most four decimals (every amount
// the loan book holds), read exactly without building strings. Nothing when
// the text is anything else; the general reading below takes it then.
std::optional<std::int64_t> ParsePlainUnits(QStringView text)
{
    qsizetype pos = 0;
    const qsizetype n = text.size();
    const bool negative = n > 0 && text[0] == QLatin1Char('-');
    if (n > 0 && (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')))
        ++pos;
    // At most 14 integer digits and 4 decimals: 18 digits always fit 64 bits.
    // The counts are checked before each digit is taken, so a longer text is
    // given up before it could overflow.
    std::int64_t units = 0;
    int integerDigits = 0;
    for (; pos < n && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9'); ++pos, ++integerDigits) {
        if (integerDigits == 14)
            return std::nullopt;
        units = units * 10 + (text[pos].unicode() - '0');
    }
    if (integerDigits == 0)
        return std::nullopt;
    int decimals = 0;
    if (pos < n && text[pos] == QLatin1Char('.')) {
        for (++pos; pos < n && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9'); ++pos, ++decimals) {
            if (decimals == 4)
                return std::nullopt;
            units = units * 10 + (text[pos].unicode() - '0');
        }
    }
    if (pos != n)
        return std::nullopt;
    for (; decimals < 4; ++decimals)
        units *= 10;
    return negative ? -units : units;
}

}

Money Money::FromRealUnits(long double units)
{
    // nearbyintl follows the current rounding mode, which is to-nearest-even
    // unless somebody changed it; make sure nobody did.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyintl(units);
    if (saved != FE_TONEAREST)
        std::fesetround(saved);
    // Converting a value outside the 64-bit range (or not a number) would be undefined.
    constexpr long double limit = 9223372036854775808.0L; // 2^63
    if (!(rounded >= -limit && rounded < limit))
        RaiseOutOfRange();
    return FromUnits(static_cast<std::int64_t>(rounded));
}

void Money::RaiseOutOfRange()
{
    throw Exception(QStringLiteral("Сумма вне допустимого диапазона."));
}

Money Money::FromReal(long double roubles)
{
    return FromRealUnits(roubles * static_cast<long double>(UnitsPerRouble));
}

QString Money::ToFixedText() const
{
    const bool negative = m_units < 0;
    // Work on the magnitude as unsigned so that the smallest value does not overflow.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(m_units)
                                             : static_cast<std::uint64_t>(m_units);
    const QString text = QString::number(magnitude / UnitsPerRouble) + QLatin1Char('.')
        + QString::number(magnitude % UnitsPerRouble).rightJustified(4, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + text : text;
}

QString Money::ToText() const
{
    QString text = ToFixedText();
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

std::optional<Money> Money::Parse(const QString& input)
{
    if (const auto units = ParsePlainUnits(input))
        return FromUnits(*units);
    const QString text = input.trimmed();
    int pos = 0;
    const int n = text.size();
    bool negative = false;
    if (pos < n && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        negative = text[pos++] == QLatin1Char('-');

    // Collect every significant digit exactly, remembering where the point was.
    QString digits;
    int pointShift = 0; // digits after the decimal point
    bool seenDigit = false;
    bool seenPoint = false;
    for (; pos < n; ++pos) {
        const QChar c = text[pos];
        if (c.isDigit() && c.unicode() < 128) {
            seenDigit = true;
            digits += c;
            if (seenPoint)
                ++pointShift;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return std::nullopt;

    int exponent = 0;
    if (pos < n && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        bool ok = false;
        exponent = text.mid(pos + 1).toInt(&ok);
        if (!ok || exponent > 30 || exponent < -400)
            return std::nullopt;
        pos = n;
    }
    if (pos != n)
        return std::nullopt;

    // value = digits * 10^(exponent - pointShift); we want it * 10^4, rounded.
    int scale = exponent - pointShift + 4;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (scale >= 0) {
        digits += QString(scale, QLatin1Char('0'));
        if (digits.size() > 19)
            return std::nullopt;
        bool ok = false;
        const qulonglong units = digits.toULongLong(&ok);
        if (!ok || units > static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max()))
            return std::nullopt;
        const auto value = static_cast<std::int64_t>(units);
        return FromUnits(negative ? -value : value);
    }

    // Drop -scale digits, rounding half to even on the exact decimal digits.
    const int drop = -scale;
    QString kept = drop >= digits.size() ? QString() : digits.left(digits.size() - drop);
    const QString dropped = drop >= digits.size()
        ? QString(drop - digits.size(), QLatin1Char('0')) + digits
        : digits.right(drop);
    if (kept.isEmpty())
        kept = QStringLiteral("0");
    if (kept.size() > 19)
        return std::nullopt;
    bool ok = false;
    qulonglong units = kept.toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    const QChar first = dropped.at(0);
    const bool restNonZero = dropped.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (first > QLatin1Char('5') || (first == QLatin1Char('5') && (restNonZero || (units & 1u))))
        ++units;
    if (units > static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(units);
    return FromUnits(negative ? -value : value);
}

Money Money::FromText(const QString& text)
{
    return Parse(text).value_or(Money());
}
