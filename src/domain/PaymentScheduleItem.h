#pragma once

#include "DateTime.h"
#include "Money.h"
#include "SimpleIDObject.h"

// One month of a credit's schedule. ID is the ScheduleID (-1 for a row
// computed in memory and not stored yet).
class TPaymentScheduleItem : public TSimpleIDObject
{
public:
    Money PayingOff;
    Money CreditPercents;
    Money Annua;
    Money Balance;
    DateTime PaymentDate;
    bool WasDelay = false;
    bool ActiveDelay = false;
    bool Modified = false; // stored row changed in memory: write it back
    bool Deleted = false;  // replaced by a recalculation: delete it, count it nowhere
    Money MustBePaymentSum;

    // Copies the ID and, when a source is given, every field and flag.
    void Assign(const TPaymentScheduleItem* source);
};
