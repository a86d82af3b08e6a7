#pragma once

#include "Money.h"

class TCredit;
class TPaymentSchedule;
class TPaymentScheduleItem;

// Rebuilding the remainder of a stored schedule. Both routines fill the target
// with copies of the source rows, flag the rows after the pivot Deleted and
// append the rebuilt months with ID -1, so that the target can be written back
// row by row. The credit supplies PaymentDay, ContractDate and YearPercent only
// and is not changed. A missing (null) argument makes a routine do nothing.

// The advance lowers the principal after the pivot row; the months after it,
// as many as before, get a new instalment. A negative advance raises the principal.
void ApplyAheadPayment(const TCredit* credit, const TPaymentScheduleItem* pivot,
                       const TPaymentSchedule* source, Money advance, TPaymentSchedule* target);
// The pivot month pays its interest only; its principal is spread over the months after it.
void MakeRespite(const TCredit* credit, const TPaymentScheduleItem* pivot,
                 const TPaymentSchedule* source, TPaymentSchedule* target);
