#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/Clock.h"

namespace {

// A row's shortfall compared as a whole number of ten-thousandths: SQLite
// subtracts in binary floating point, where 2665.4637 - 2665.4537 falls just
// short of 0.01 and a shortfall of a kopeck would pass for covered.
const QString ShortfallUnits = QStringLiteral(
    "Round((MustBePaymentSum - IfNull((SELECT Credits.PaymentsSum FROM Credits WHERE Credits.CreditID = "
    "PaymentSchedule.CreditID), 0)) * 10000)");

void RunWithDate(TSQLiteConnection& connection, const QStringList& lines, const DateTime& dayKey)
{
    TSQLStatement statement(connection, lines);
    statement.BindDateTime(QStringLiteral("TheDate"), dayKey, true);
    statement.Execute();
}

}

void TDataAccessFacade::UpdateSchedulesDelay()
{
    const DateTime today = Clock::Today();
    {
        TTransactionScope transaction(Connection());
        // Rows that have been late: uncovered and due before today.
        RunWithDate(Connection(),
                    { QStringLiteral("UPDATE PaymentSchedule"), QStringLiteral("SET WasDelay = 1"),
                      QStringLiteral("WHERE"), QStringLiteral("(PaymentDate < :TheDate)"),
                      QStringLiteral("AND (") + ShortfallUnits + QStringLiteral(" >= 100)") },
                    today);
        // Rows that are due: uncovered and due within three days, past ones included.
        RunWithDate(Connection(),
                    { QStringLiteral("UPDATE PaymentSchedule"), QStringLiteral("SET ActiveDelay = 1"),
                      QStringLiteral("WHERE"), QStringLiteral("(PaymentDate <= :TheDate)"),
                      QStringLiteral("AND (") + ShortfallUnits + QStringLiteral(" >= 100)") },
                    today.AddDays(3));
        // Only what the step above did not just confirm is cleared.
        RunWithDate(
            Connection(),
            { QStringLiteral("UPDATE PaymentSchedule"), QStringLiteral("SET ActiveDelay = 0"), QStringLiteral("WHERE"),
              QStringLiteral("    (ActiveDelay <> 0)"),
              QStringLiteral("AND ((") + ShortfallUnits + QStringLiteral(" < 100) OR (PaymentDate > :TheDate))") },
            today.AddDays(3));
        transaction.Commit();
    }
    // Recorded only after the marks are stored, so a failed run stays due.
    if (DataBaseStateExists())
        UpdateDataBaseState(Clock::Now());
    else
        InsertDataBaseState(Clock::Now());
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
