#include "Credit.h"

void TCredit::Assign(const TCredit* source)
{
    TSimpleIDObject::Assign(source);
    if (!source)
        return;
    CreditPeriod = source->CreditPeriod;
    CreditSize = source->CreditSize;
    YearPercent = source->YearPercent;
    PaymentDay = source->PaymentDay;
    ContractNumber = source->ContractNumber;
    ContractDate = source->ContractDate;
    PaymentsSum = source->PaymentsSum;
    DelayCount = source->DelayCount;
    ActiveDelayCount = source->ActiveDelayCount;
    FullMustBePaymentSum = source->FullMustBePaymentSum;
}
