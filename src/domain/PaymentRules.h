#pragma once

#include "domain/Money.h"

#include <QString>

class TCredit;
class TPaymentHistoryItem;
class TPaymentScheduleItem;

// What a payment may be, said the same way by the payment dialog, the tool
// and the operation that stores it.
namespace PaymentRules {

QString AboveZeroMessage();
QString KopecksMessage();
QString AboveDebtMessage();

// Why the amount cannot be paid on the credit; empty when it can.
QString AmountFault(const TCredit& credit, Money amount);
// The part of the amount that runs ahead of the schedule at the due row: what
// it pays beyond the row's running total; nothing when it pays no kopeck more.
Money AheadPart(const TCredit& credit, const TPaymentScheduleItem& dueRow, Money amount);

// A payment whose advance rebuilt the schedule, which taking it back would not undo.
bool RebuiltSchedule(const TPaymentHistoryItem& payment);
QString RebuiltScheduleMessage();
QString NoLongerLatestMessage();

}
