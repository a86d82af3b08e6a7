#pragma once

#include "ReportText.h"
#include "domain/Money.h"

#include <QString>

#include <optional>

// A value as the callback gave it, read as money: the file's form ("1234.5")
// or the user's ("1234,5"). Nothing for any other text.
std::optional<Money> ReadReportMoney(const QString& value);

// A value written in the given format under the default locale. A value that
// does not read as the format asks (a date variable already in the short
// form, a text in a money column) is written as given.
QString FormatReportValue(const QString& value, TReportValueFormat format);
