#include "DisplayFormats.h"

#include "domain/Debtor.h"
#include "domain/PersonName.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace {
// The two-decimal formats get the value rounded to whole kopecks, so that
// binary fractions of the ten-thousandths never decide the last digit.
double RoundedToKopecks(Money value)
{
    return static_cast<double>(value.WholeKopecks()) / 100.0;
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

bool IsInWholeKopecks(Money value)
{
    return value.Units() % Money::UnitsPerKopeck == 0;
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
    return FullName(debtor.Surname, debtor.GetName(), debtor.PatronymicName);
}
