#pragma once

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QString>
#include <optional>

class TDebtor;

// How lists, read-only fields and amount fields show values. Everything goes
// through the default QLocale(), so the user's settings (and a test's pinned
// locale) decide separators, currency and date order.

// Money in the locale's currency format with exactly two decimals, to the
// nearest kopeck: "1 234,50 ₽" under ru_RU.
QString FormatMoney(Money value);
// Money written into an amount field by the program: fixed notation, two
// decimals, the locale's decimal separator, no grouping, leading minus: "-1234,50".
QString FormatAmountEntry(Money value);
// Reads an amount typed or pasted into an amount field: a number in the
// locale's format (its decimal separator, no grouping, blanks around allowed),
// kept exactly to four decimals. Nothing when the text is no number or does
// not fit into Money. The sign is kept; callers decide whether it is allowed.
std::optional<Money> ParseAmount(const QString& text);
// Money a clerk can hand over: whole kopecks, no fraction of one.
bool IsInWholeKopecks(Money value);
// The date part in the locale's short date format: "15.02.2009" under ru_RU.
QString FormatShortDate(const DateTime& value);
// IDs and counters: plain decimal digits.
QString FormatWholeNumber(qint64 value);
// Surname, name and patronymic as FullName joins them.
QString DebtorFullName(const TDebtor& debtor);
