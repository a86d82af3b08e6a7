#pragma once

#include "DateTime.h"
#include "Money.h"

class TCredit;
class TPaymentSchedule;
class TPaymentScheduleItem;

// Annuity schedule arithmetic. Real-valued steps run in x87 extended precision
// (long double) and are rounded to double exactly where stored loan books were
// computed that way, so that every ten-thousandth matches them. A missing
// (null) record or list makes a routine do nothing.

// YearPercent / 12 / 100, rounded to double (12 % gives the double nearest 0.01).
double MonthlyRate(int YearPercent);
// The equal monthly instalment of CreditSize over CreditPeriod months.
Money CalcAnnuity(int YearPercent, int CreditPeriod, Money CreditSize);
// One month's interest on the balance.
Money CalcPercents(int YearPercent, Money balance);
// Fills Annua, CreditPercents, PayingOff and Balance of the row from the balance before it.
void FillScheduleItem(TPaymentScheduleItem* row, const TCredit* credit, Money balanceBefore);
// PaymentDay of the month after the start date's month; raises when the start
// date's month has no such day.
DateTime FirstPaymentDate(int PaymentDay, const DateTime& startDate);
// Replaces the rows of the schedule by the credit's annuity schedule and sets
// the credit's FullMustBePaymentSum.
void BuildSchedule(TPaymentSchedule* schedule, TCredit* credit, const DateTime& startDate);
// Running totals of Annua over the counted rows (all, or those not flagged
// Deleted); a skipped row keeps its total. Returns the grand total.
Money RecalcMustBePaymentSums(TPaymentSchedule* schedule, bool includeDeleted);
