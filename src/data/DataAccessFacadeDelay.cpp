#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/Clock.h"

namespace {

// A row's shortfall compared as a whole number of ten-thousandths: SQLite
// subtracts in binary floating point, where 2665.4637 - 2665.4537 falls just
// short of 0.01 and a shortfall of a kopeck would pass for covered. The credit
// is joined rather than looked up row by row; its key is unique, so a row meets
// the same PaymentsSum (or none, counting as 0) either way.
QString ShortfallUnits(const QString& schedule)
{
    return QStringLiteral("Round((%1.MustBePaymentSum - IfNull(Credits.PaymentsSum, 0)) * 10000)").arg(schedule);
}

// The due date without the column's numeric affinity: compared as the stored
// text it is, instead of being tried as a number on every comparison.
const QString DueDate = QStringLiteral("+Sch.PaymentDate");

// The rows whose flags the run changes, in the three groups the marking is done in.
struct TDelayChanges
{
    QList<qint64> SetWasDelay;
    QList<qint64> SetActiveDelay;
    QList<qint64> ClearActiveDelay;
};

// One pass over the schedule finds every row whose flags the rule changes:
//  - WasDelay becomes 1: uncovered and due before today;
//  - ActiveDelay becomes 1: uncovered and due before the fourth day from today;
//  - ActiveDelay becomes 0: set and either covered or due from the fourth day on.
// A row whose flag is already what the rule gives is left out, so nothing is
// rewritten for nothing. The table is read in its own order: walking the date
// index instead would fetch nearly half the table row by row.
TDelayChanges FindDelayChanges(TSQLiteConnection& connection, const DateTime& today)
{
    const QString uncovered = TDataAccessFacade::UncoveredRowSQL(QStringLiteral("Sch"));
    const QString covered = QStringLiteral("(%1 < 100)").arg(ShortfallUnits(QStringLiteral("Sch")));
    const QString beforeToday = QStringLiteral("(%1 < :Today)").arg(DueDate);
    const QString dueSoon = QStringLiteral("(%1 < :DueEnd)").arg(DueDate);
    const QString dueLater = QStringLiteral("(%1 >= :DueEnd)").arg(DueDate);
    const QString wasNotSet = QStringLiteral("(Sch.WasDelay IS NOT 1)");
    const QString activeNotSet = QStringLiteral("(Sch.ActiveDelay IS NOT 1)");
    const QString activeSet = QStringLiteral("(Sch.ActiveDelay <> 0)");
    TSQLStatement statement(
        connection,
        { QStringLiteral("SELECT Sch.rowid,"),
          QStringLiteral("%1 AND %2 AND %3,").arg(beforeToday, wasNotSet, uncovered),
          QStringLiteral("%1 AND %2 AND %3,").arg(dueSoon, activeNotSet, uncovered),
          QStringLiteral("%1 AND (%2 OR %3)").arg(activeSet, covered, dueLater),
          QStringLiteral("FROM PaymentSchedule AS Sch NOT INDEXED"),
          QStringLiteral("LEFT JOIN Credits ON Credits.CreditID = Sch.CreditID"),
          // Rows that cannot change are passed over before their credit is looked at:
          // most rows are either covered past ones or not yet due and unflagged.
          QStringLiteral("WHERE ((%1 AND (%2 OR %3)) OR %4)").arg(dueSoon, wasNotSet, activeNotSet, activeSet),
          // The three rules of the columns above, with the shortfall reckoned once for a row that stays as it is.
          QStringLiteral("AND ((%1 AND %2 AND ((%3 AND %4) OR %5)) OR (%6 AND (%7 OR %8)))")
              .arg(dueSoon, uncovered, beforeToday, wasNotSet, activeNotSet, activeSet, covered, dueLater) });
    statement.BindText(QStringLiteral("Today"), TDataAccessFacade::DayPrefix(today));
    statement.BindText(QStringLiteral("DueEnd"), TDataAccessFacade::DayPrefixAfter(today, 4));
    TDelayChanges changes;
    while (statement.Step()) {
        const qint64 row = statement.Integer(0);
        if (statement.Integer(1) != 0)
            changes.SetWasDelay << row;
        // A row just marked as due is never cleared in the same run.
        if (statement.Integer(2) != 0)
            changes.SetActiveDelay << row;
        else if (statement.Integer(3) != 0)
            changes.ClearActiveDelay << row;
    }
    return changes;
}

void SetFlag(TSQLiteConnection& connection, const QString& assignment, const QList<qint64>& rows)
{
    if (rows.isEmpty())
        return;
    TSQLStatement statement(connection, { QStringLiteral("UPDATE PaymentSchedule"), assignment,
                                          QStringLiteral("WHERE rowid = :RowID") });
    for (const qint64 row : rows) {
        statement.BindInteger(QStringLiteral("RowID"), row);
        statement.Execute();
        statement.Reset();
    }
}

}

QString TDataAccessFacade::UncoveredRowSQL(const QString& schedule)
{
    return QStringLiteral("(%1 >= 100)").arg(ShortfallUnits(schedule));
}

void TDataAccessFacade::UpdateSchedulesDelay()
{
    // One reading of the clock: a run across midnight records the day it indexed for.
    const DateTime now = Clock::Now();
    {
        TTransactionScope transaction(Connection());
        const TDelayChanges changes = FindDelayChanges(Connection(), now.DayOnly());
        // The file's triggers recount the credits' and debtors' counters for every changed row.
        SetFlag(Connection(), QStringLiteral("SET WasDelay = 1"), changes.SetWasDelay);
        SetFlag(Connection(), QStringLiteral("SET ActiveDelay = 1"), changes.SetActiveDelay);
        SetFlag(Connection(), QStringLiteral("SET ActiveDelay = 0"), changes.ClearActiveDelay);
        transaction.Commit();
    }
    // Recorded only after the marks are stored, so a failed run stays due.
    if (DataBaseStateExists())
        UpdateDataBaseState(now);
    else
        InsertDataBaseState(now);
}

bool TDataAccessFacade::UpdateSchedulesDelayWhenDue(int hours)
{
    // The write lock from the start: another program's indexing ends before this one reads the time.
    TTransactionScope transaction(Connection());
    if (!IndexingDue(GetLastSchedulesDelayUpdate(), hours))
        return false;
    UpdateSchedulesDelay();
    transaction.Commit();
    return true;
}

DateTime TDataAccessFacade::GetLastSchedulesDelayUpdate()
{
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM DataBaseState") });
    if (!statement.Step())
        return DateTime();
    return statement.DateTimeValue(QStringLiteral("LastSchedulesDelayUpdate"));
}

bool TDataAccessFacade::DataBaseStateExists()
{
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM DataBaseState") });
    return statement.Step();
}

void TDataAccessFacade::InsertDataBaseState(const DateTime& value)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(Connection(),
                            { QStringLiteral("INSERT INTO DataBaseState(LastSchedulesDelayUpdate)"),
                              QStringLiteral("VALUES (:TheDateTime)") });
    statement.BindDateTime(QStringLiteral("TheDateTime"), value);
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::UpdateDataBaseState(const DateTime& value)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("UPDATE DataBaseState"), QStringLiteral("SET LastSchedulesDelayUpdate = :TheDateTime") });
    statement.BindDateTime(QStringLiteral("TheDateTime"), value);
    statement.Execute();
    transaction.Commit();
}
