#pragma once

#include "DateTime.h"
#include "Money.h"
#include "SimpleIDObject.h"

// A loan. ID is the CreditID.
class TCredit : public TSimpleIDObject
{
public:
    int CreditPeriod = 0;
    Money CreditSize;
    int YearPercent = 0;
    int PaymentDay = 0;
    QString ContractNumber;
    DateTime ContractDate;
    Money PaymentsSum;          // kept by the database, never written by the system
    int DelayCount = 0;         // kept by the database
    int ActiveDelayCount = 0;   // kept by the database
    Money FullMustBePaymentSum; // total of the schedule's instalments

    // Copies the ID and, when a source is given, every field.
    void Assign(const TCredit* source);
    Money RemainingDebt() const { return FullMustBePaymentSum - PaymentsSum; }
    // Less than a kopeck left to pay (an overpaid credit is paid off too).
    bool IsPaidOff() const { return RemainingDebt() < Money::Kopeck; }
};
