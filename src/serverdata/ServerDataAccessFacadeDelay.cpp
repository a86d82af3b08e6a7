#include "ServerDataAccessFacade.h"

#include "postgres/PgResult.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "domain/Clock.h"

namespace {

// A row the credit's payments leave a kopeck or more short; numeric is exact,
// and a row without its credit counts its payments as 0.
const char* const Uncovered = "(PaymentSchedule.MustBePaymentSum - coalesce((SELECT Credits.PaymentsSum FROM Credits "
                              "WHERE Credits.CreditID = PaymentSchedule.CreditID), 0) >= 0.01)";

}

void TServerDataAccessFacade::UpdateSchedulesDelay()
{
    // One reading of the clock: a run across midnight records the day it indexed for.
    const DateTime now = Clock::Now();
    const TQueryParams days { { QStringLiteral("Today"), DayParam(now.DayOnly()) },
                              { QStringLiteral("DueEnd"), DayParam(now.DayOnly(), 4) } };
    const QString uncovered = QString::fromLatin1(Uncovered);
    TPgTransactionScope transaction(Connection());
    // The rules of the file, a row changed only when its flag is not yet what the
    // rule gives; the schema's triggers recount the credits' and debtors' counters.
    //  - WasDelay: uncovered and due before today;
    //  - ActiveDelay set: uncovered and due before the fourth day from today;
    //  - ActiveDelay cleared: set and either covered or due from the fourth day on.
    // Flags do not move the payments' totals, so the three need no common snapshot.
    Run({ QStringLiteral("UPDATE PaymentSchedule SET WasDelay = true"),
          QStringLiteral("WHERE PaymentDate < :Today AND WasDelay IS NOT TRUE AND %1").arg(uncovered) },
        days);
    Run({ QStringLiteral("UPDATE PaymentSchedule SET ActiveDelay = true"),
          QStringLiteral("WHERE PaymentDate < :DueEnd AND ActiveDelay IS NOT TRUE AND %1").arg(uncovered) },
        days);
    Run({ QStringLiteral("UPDATE PaymentSchedule SET ActiveDelay = false"),
          QStringLiteral("WHERE ActiveDelay AND (PaymentDate >= :DueEnd OR NOT %1)").arg(uncovered) },
        days);
    // Recorded with the marks, so a failed run stays due.
    RecordIndexingTime(now);
    transaction.Commit();
}

void TServerDataAccessFacade::RecordIndexingTime(const DateTime& now)
{
    const TQueryParams moment { { QStringLiteral("TheDateTime"), MomentParam(now) } };
    if (Run({ QStringLiteral("UPDATE DataBaseState SET LastSchedulesDelayUpdate = :TheDateTime") }, moment)
            .ChangedRows() == 0)
        Run({ QStringLiteral("INSERT INTO DataBaseState (LastSchedulesDelayUpdate) VALUES (:TheDateTime)") }, moment);
}

DateTime TServerDataAccessFacade::GetLastSchedulesDelayUpdate()
{
    const auto rows = Query({ QStringLiteral("SELECT LastSchedulesDelayUpdate FROM DataBaseState LIMIT 1") });
    return rows->DateTimeValue(0, 0);
}

bool TServerDataAccessFacade::UpdateSchedulesDelayWhenDue(int hours)
{
    TPgTransactionScope transaction(Connection());
    // Programs on the book wait here for one another, so the indexing never
    // runs twice at once; the one that comes second reads the time the first
    // recorded (committed before the lock is freed) and finds it done.
    Run({ QStringLiteral("SELECT pg_advisory_xact_lock(:LockKey)") },
        { { QStringLiteral("LockKey"), IndexingLockKey() } });
    if (!IndexingDue(GetLastSchedulesDelayUpdate(), hours))
        return false;
    UpdateSchedulesDelay();
    transaction.Commit();
    return true;
}
