#include "PaymentScheduleItem.h"

void TPaymentScheduleItem::Assign(const TPaymentScheduleItem* source)
{
    TSimpleIDObject::Assign(source);
    if (!source)
        return;
    PayingOff = source->PayingOff;
    CreditPercents = source->CreditPercents;
    Annua = source->Annua;
    Balance = source->Balance;
    PaymentDate = source->PaymentDate;
    WasDelay = source->WasDelay;
    ActiveDelay = source->ActiveDelay;
    Modified = source->Modified;
    Deleted = source->Deleted;
    MustBePaymentSum = source->MustBePaymentSum;
}
