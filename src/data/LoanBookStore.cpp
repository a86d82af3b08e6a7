#include "LoanBookStore.h"

#include "domain/Clock.h"

#include <cstdlib>

bool ILoanBookStore::IndexingDue(const DateTime& last, int hours)
{
    const qint64 wholeHours = std::llabs(last.MSecsTo(Clock::Now())) / (3600 * 1000);
    return wholeHours > hours;
}
