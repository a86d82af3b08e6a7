#pragma once

#include "DateTime.h"
#include "Money.h"
#include "SimpleIDObject.h"

// One recorded payment. ID is the PaymentID.
class TPaymentHistoryItem : public TSimpleIDObject
{
public:
    DateTime PaymentDate; // the moment of recording
    Money PaymentSum;     // goes against the instalments
    Money AheadSum;       // paid ahead and used to rebuild the schedule
};
