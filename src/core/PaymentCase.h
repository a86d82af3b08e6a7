#pragma once

#include "CreditPicture.h"
#include "domain/Credit.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"
#include "domain/PaymentScheduleItem.h"

#include <optional>

// Everything a payment is decided on, read from the book at once: the credit,
// its schedule, the instalment the payment goes against, the latest payment
// and the picture the payment is checked against when it is stored.
struct TPaymentCase
{
    TCredit Credit;
    TPaymentSchedule Schedule;
    TPaymentScheduleItem DueRow;
    std::optional<TPaymentHistoryItem> LastPayment;
    TCreditPicture Picture;
};
