#pragma once

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QString>

// The text forms in which values are written into the loan-book file and read
// back. Files of earlier installations hold exactly these forms.
namespace ValueForms {

QString IntegerToText(qint64 value);
// Decimal digits with an optional sign; empty or unreadable text gives 0.
qint64 IntegerFromText(const QString& text);

// "." as separator, shortest exact form with at most four decimals.
inline QString MoneyToText(Money value)
{
    return value.ToText();
}
// Rounded to four decimals (ties to even); empty or unreadable text gives 0.
inline Money MoneyFromText(const QString& text)
{
    return Money::FromText(text);
}

// "yyyy-mm-dd hh:nn:ss.zzz"; with dayOnly the time of day is written as 00:00:00.000
// (the day key that schedule due dates are stored as).
QString DateTimeToText(const DateTime& value, bool dayOnly = false);
// Read by fixed character positions; a 10-character text is a whole day.
// A text that does not read that way gives the zero date.
DateTime DateTimeFromText(const QString& text);

inline QString FlagToText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
inline bool FlagFromText(const QString& text)
{
    return IntegerFromText(text) != 0;
}

// A real number as its shortest decimal text with "." (up to 15 significant digits).
QString RealToText(double value);

}
