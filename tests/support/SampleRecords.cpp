#include "SampleRecords.h"

#include "domain/ScheduleCalculation.h"

namespace Sample {

TCredit WorkedExampleCredit()
{
    TCredit credit;
    credit.CreditSize = Money::FromUnits(10000 * Money::UnitsPerRouble);
    credit.CreditPeriod = 12;
    credit.YearPercent = 12;
    credit.PaymentDay = 15;
    credit.ContractDate = DateTime::FromYMD(2009, 1, 20);
    return credit;
}

TStoredCredit::TStoredCredit(int firstScheduleID, TCredit credit)
    : Credit(std::move(credit))
{
    BuildSchedule(&Schedule, &Credit, Credit.ContractDate);
    for (int i = 0; i < Schedule.Count(); ++i)
        Schedule.Items(i)->SetID(firstScheduleID + i);
}

}
