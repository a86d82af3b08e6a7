#pragma once

#include "domain/Credit.h"
#include "domain/PaymentSchedule.h"

// Records the tests share.
namespace Sample {

// The worked example: 10000 over 12 months at 12 % a year, payment day 15,
// signed on 20 January 2009 (10661.8548 to pay in all). No ID, no number.
TCredit WorkedExampleCredit();

// A credit (the worked example unless given) as loaded from a loan book with
// its stored schedule: ScheduleIDs firstScheduleID, firstScheduleID + 1, ...
// in due-date order.
struct TStoredCredit
{
    explicit TStoredCredit(int firstScheduleID = 1, TCredit credit = WorkedExampleCredit());

    TCredit Credit;
    TPaymentSchedule Schedule;
};

}
