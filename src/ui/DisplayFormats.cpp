#include "DisplayFormats.h"

#include "domain/Debtor.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace {
// Whole kopecks, half a kopeck away from zero, as roubles; the two-decimal
// formats get this value so that binary fractions of the ten-thousandths
// never decide the last digit.
double RoundedToKopecks(Money value)
{
    const std::int64_t units = value.Units();
    std::int64_t kopecks = units / Money::UnitsPerKopeck; // toward zero
    const std::int64_t rest = units % Money::UnitsPerKopeck;
    if (std::llabs(rest) * 2 >= Money::UnitsPerKopeck)
        kopecks += units < 0 ? -1 : 1;
    return static_cast<double>(kopecks) / 100.0;
}
}

QString FormatMoney(Money value)
{
    return QLocale().toCurrencyString(RoundedToKopecks(value), QString(), 2);
}

QString FormatAmountEntry(Money value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double rounded = RoundedToKopecks(value);
    // A plain hyphen whatever the locale's minus sign, so the text reads back.
    const QString digits = locale.toString(std::abs(rounded), 'f', 2);
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}

std::optional<Money> ParseAmount(const QString& text)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The locale accepted it; read the same digits again exactly, so that a
    // typed 0,1 does not pass through a binary fraction.
    QString plain = trimmed;
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    plain.replace(locale.negativeSign(), QStringLiteral("-"));
    plain.replace(locale.positiveSign(), QStringLiteral("+"));
    plain.replace(locale.exponential(), QStringLiteral("e"), Qt::CaseInsensitive);
    return Money::Parse(plain);
}

QString FormatShortDate(const DateTime& value)
{
    return QLocale().toString(value.Date(), QLocale::ShortFormat);
}

QString FormatWholeNumber(qint64 value)
{
    return QString::number(value);
}

QString DebtorFullName(const TDebtor& debtor)
{
    return debtor.Surname + QLatin1Char(' ') + debtor.GetName() + QLatin1Char(' ') + debtor.PatronymicName;
}
