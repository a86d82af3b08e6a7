#pragma once

#include "domain/Money.h"

class TCredit;
class TPaymentScheduleItem;

// What is to become of the part of a payment that runs ahead of the schedule.
// Kept as a plain enumeration: a caller's answer outside these values is
// treated like adReduceAnnua.
enum TAheadDecision : int
{
    adCancelled = 0,   // the user cancelled the decision
    adJustLeave = 1,   // the excess stays with the payment, nothing else changes
    adReduceAnnua = 2, // the schedule has been rebuilt with the excess and stored
};

// Asked by the payment dialog when a payment runs ahead of the schedule.
// Holding it never frees the object behind it.
class IAheadVisitor
{
public:
    // The credit, the current schedule row and the excess (positive).
    virtual TAheadDecision DecideAhead(TCredit* credit, const TPaymentScheduleItem* row, Money ahead) = 0;

protected:
    ~IAheadVisitor() = default;
};
