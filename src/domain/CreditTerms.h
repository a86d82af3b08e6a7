#pragma once

#include "domain/Money.h"

#include <QString>

class TCredit;

// The terms a credit may be given, said the same way by the credit dialog,
// the tool and the operation that stores a new credit.
namespace CreditTerms {

// Without a month there is no schedule (the credit would count as repaid at
// once); beyond a hundred years the dates run out.
constexpr int MaxPeriod = 1200;
inline const Money MinSize = Money::FromUnits(Money::UnitsPerRouble);

QString ContractNumberMissingMessage();
QString ContractDateMissingMessage();
QString SizeTooSmallMessage();
QString SizeKopecksMessage();
QString PeriodMessage();
QString PercentMessage();
QString PaymentDayMessage();

// The first fault of the terms (contract, date, size, period, percent, day); empty when there is none.
QString Fault(const TCredit& terms);

}
