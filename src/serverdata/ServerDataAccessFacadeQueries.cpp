#include "ServerDataAccessFacade.h"

#include "data/DataAccessFacade.h"
#include "postgres/PgResult.h"
#include "sqlite/ResultSet.h"
#include "sqlite/ValueForms.h"

// The file's lists and documents with the same columns, in the same order and
// under the same names (the server's folded names are spelled back by the row
// engine), and the same values. Where the file gives rows in the order of its
// keys without saying so, the server is told that order.

namespace {

// The names in the order of the file's Russian collation (the book's
// RussianNames), a missing one first as the file has it.
QString ByName(const QString& table)
{
    return QStringLiteral("%1Surname COLLATE RussianNames NULLS FIRST, %1Name COLLATE RussianNames NULLS FIRST, "
                          "%1PatronymicName COLLATE RussianNames NULLS FIRST")
        .arg(table.isEmpty() ? QString() : table + QLatin1Char('.'));
}

QStringList DebtorsScheduleSQL()
{
    return { QStringLiteral("SELECT Debtors.DebtorID AS DebtorID, Credits.CreditID AS CreditID, "
                            "Credits.PaymentsSum AS PaymentsSum,"),
             QStringLiteral("Debtors.Name AS Name, Debtors.Surname AS Surname, Debtors.PatronymicName AS PatronymicName,"),
             QStringLiteral("Debtors.Telephone AS Telephone,"),
             QStringLiteral("Debtors.Region AS Region, Debtors.District AS District, Debtors.City AS City, "
                            "Debtors.Street AS Street, Debtors.Building AS Building, Debtors.Flat AS Flat,"),
             QStringLiteral("PaymentSchedule.MustBePaymentSum AS MustBePaymentSum, PaymentSchedule.PayingOff AS PayingOff,"),
             QStringLiteral("PaymentSchedule.CreditPercents AS CreditPercents, PaymentSchedule.Annua, "
                            "PaymentSchedule.PaymentDate AS PaymentDate,"),
             QStringLiteral("Credits.ContractNumber AS ContractNumber, PaymentSchedule.PaymentDate AS DueDate"),
             QStringLiteral("FROM Debtors, Credits, PaymentSchedule"),
             QStringLiteral("WHERE Debtors.DebtorID = Credits.DebtorID AND PaymentSchedule.CreditID = Credits.CreditID") };
}

QStringList PaymentsSQL()
{
    return { QStringLiteral("SELECT PaymentHistory.PaymentID, PaymentHistory.CreditID, PaymentHistory.PaymentDate, "
                            "PaymentHistory.PaymentSum, PaymentHistory.AheadSum, coalesce(PaymentHistory.PaymentSum, 0) "
                            "+ coalesce(PaymentHistory.AheadSum, 0) AS Total,"),
             QStringLiteral("Debtors.DebtorID, Debtors.Name, Debtors.Surname, Debtors.PatronymicName,"),
             QStringLiteral("Credits.CreditID AS CreditID, Credits.ContractNumber, Credits.ContractDate, "
                            "Credits.CreditSize, Credits.FullMustBePaymentSum"),
             QStringLiteral("FROM PaymentHistory, Credits, Debtors"),
             QStringLiteral("WHERE PaymentHistory.CreditID = Credits.CreditID AND Debtors.DebtorID = Credits.DebtorID") };
}

}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenDebtorsListQuery()
{
    return Query({ QStringLiteral("SELECT DebtorID, Surname, Name, PatronymicName, DelayCount, ActiveDelayCount "
                                  "FROM Debtors"),
                   QStringLiteral("ORDER BY %1, DebtorID").arg(ByName(QString())) });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenDebtorStatementQuery(int debtorID)
{
    // No existence check: a debtor that does not exist gives an empty result.
    return Query({ QStringLiteral("SELECT * FROM Debtors, CompanyInfo WHERE DebtorID = :DebtorID") },
                 { { QStringLiteral("DebtorID"), debtorID } });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenStatisticsQuery()
{
    // MinPaymentDate carries the latest due date: the report has always shown it so.
    return Query({ QStringLiteral("SELECT"),
                   QStringLiteral("(SELECT count(*) FROM Credits) AS CreditsCount,"),
                   QStringLiteral("(SELECT sum(CreditSize) FROM Credits) AS CreditsSumm,"),
                   QStringLiteral("(SELECT sum(PaymentsSum) FROM Credits) AS PaymentsSumm,"),
                   QStringLiteral("(SELECT min(ContractDate) FROM Credits) AS MinContractDate,"),
                   QStringLiteral("(SELECT max(ContractDate) FROM Credits) AS MaxContractDate,"),
                   QStringLiteral("(SELECT max(PaymentDate) FROM PaymentSchedule) AS MinPaymentDate,"),
                   QStringLiteral("(SELECT count(*) FROM Debtors) AS DebtorsCount") });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenCreditScheduleQuery(int creditID)
{
    CheckCreditExists(creditID);
    return Query({ QStringLiteral("SELECT Debtors.DebtorID, Debtors.Name, Debtors.Surname, Debtors.PatronymicName,"),
                   QStringLiteral("Credits.CreditID AS CreditID, Credits.ContractNumber, Credits.ContractDate, "
                                  "Credits.CreditSize, Credits.FullMustBePaymentSum AS FullMustBePaymentSum, "
                                  "Credits.PaymentsSum AS PaymentsSum,"),
                   QStringLiteral("PaymentSchedule.PaymentDate, PaymentSchedule.Balance, PaymentSchedule.MustBePaymentSum, "
                                  "PaymentSchedule.PayingOff, PaymentSchedule.CreditPercents, PaymentSchedule.Annua, "
                                  "PaymentSchedule.WasDelay"),
                   QStringLiteral("FROM Credits, Debtors, PaymentSchedule"),
                   QStringLiteral("WHERE Credits.CreditID = :CreditID AND Debtors.DebtorID = Credits.DebtorID"),
                   QStringLiteral("AND PaymentSchedule.CreditID = Credits.CreditID"),
                   QStringLiteral("ORDER BY PaymentSchedule.ScheduleID") },
                 { { QStringLiteral("CreditID"), creditID } });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenDebtorsForDateQuery(const DateTime& date)
{
    QStringList lines = DebtorsScheduleSQL();
    // The whole day, whatever the time of the argument.
    lines << QStringLiteral("AND PaymentSchedule.PaymentDate >= :ADate AND PaymentSchedule.PaymentDate < :ANextDate")
          << QStringLiteral("ORDER BY PaymentSchedule.PaymentDate, PaymentSchedule.ScheduleID");
    return Query(lines, { { QStringLiteral("ADate"), DayParam(date) },
                          { QStringLiteral("ANextDate"), DayParam(date, 1) } });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenInsolventQuery(const DateTime& date)
{
    QStringList lines = DebtorsScheduleSQL();
    // The month's rows, and every row due by then that the payments do not
    // cover, however long ago: the worst defaulters owe for months.
    lines << QStringLiteral("AND PaymentSchedule.PaymentDate < :AEndDate AND (PaymentSchedule.PaymentDate >= :AFirstDate")
          << QStringLiteral("  OR PaymentSchedule.MustBePaymentSum - coalesce(Credits.PaymentsSum, 0) >= 0.01)")
          << QStringLiteral("AND coalesce(Debtors.ActiveDelayCount, 0) > 0")
          << QStringLiteral("ORDER BY %1, Debtors.DebtorID, Credits.CreditID, PaymentSchedule.PaymentDate, "
                            "PaymentSchedule.ScheduleID")
                 .arg(ByName(QStringLiteral("Debtors")));
    // From the day after the same day a month back through the given day.
    return Query(lines, { { QStringLiteral("AFirstDate"), DayParam(date.AddMonths(-1), 1) },
                          { QStringLiteral("AEndDate"), DayParam(date, 1) } });
}

Money TServerDataAccessFacade::GetMonthPaymentForecast(int month, int year)
{
    DateTime firstDay;
    DateTime lastDay;
    TDataAccessFacade::GetMonthBounds(month, year, firstDay, lastDay);
    const TPgResult sum = Run({ QStringLiteral("SELECT coalesce(sum(Annua), 0) FROM PaymentSchedule"),
                                QStringLiteral("WHERE PaymentDate >= :StartDate AND PaymentDate < :EndDate") },
                              { { QStringLiteral("StartDate"), DayParam(firstDay) },
                                { QStringLiteral("EndDate"), DayParam(lastDay, 1) } });
    return ValueForms::MoneyFromText(sum.Text(0, 0));
}

Money TServerDataAccessFacade::GetMonthPaymentsTotal(int month, int year)
{
    DateTime firstDay;
    DateTime lastDay;
    TDataAccessFacade::GetMonthBounds(month, year, firstDay, lastDay);
    // Payments carry the time they were recorded: every moment of the last day counts.
    const TPgResult sum =
        Run({ QStringLiteral("SELECT coalesce(sum(PaymentSum), 0) + coalesce(sum(AheadSum), 0) FROM PaymentHistory"),
              QStringLiteral("WHERE PaymentDate >= :StartDate AND PaymentDate < :EndDate") },
            { { QStringLiteral("StartDate"), DayParam(firstDay) },
              { QStringLiteral("EndDate"), DayParam(lastDay, 1) } });
    return ValueForms::MoneyFromText(sum.Text(0, 0));
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenPaymentOrderQuery(int paymentID)
{
    // An order for nothing would read as a receipt for nought roubles.
    CheckPaymentExists(paymentID);
    return Query({ QStringLiteral("SELECT PaymentHistory.PaymentID, PaymentHistory.CreditID, "
                                  "PaymentHistory.PaymentDate, PaymentHistory.PaymentSum, PaymentHistory.OrderNumber, "
                                  "coalesce(PaymentHistory.PaymentSum, 0) + coalesce(PaymentHistory.AheadSum, 0) AS Total,"),
                   QStringLiteral("Debtors.Surname, Debtors.Name, Debtors.PatronymicName, CompanyInfo.CompanyName,"),
                   QStringLiteral("coalesce(PaymentHistory.AheadSum, 0) AS AheadSum, Credits.ContractNumber, "
                                  "Credits.ContractDate"),
                   QStringLiteral("FROM PaymentHistory, Credits, Debtors, CompanyInfo"),
                   QStringLiteral("WHERE PaymentHistory.CreditID = Credits.CreditID AND Debtors.DebtorID = Credits.DebtorID"),
                   QStringLiteral("AND PaymentHistory.PaymentID = :PaymentID") },
                 { { QStringLiteral("PaymentID"), paymentID } });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenCreditPaymentsQuery(int creditID)
{
    CheckCreditExists(creditID);
    QStringList lines = PaymentsSQL();
    lines << QStringLiteral("AND PaymentHistory.CreditID = :CreditID")
          << QStringLiteral("ORDER BY PaymentHistory.PaymentDate NULLS FIRST, PaymentHistory.PaymentID");
    return Query(lines, { { QStringLiteral("CreditID"), creditID } });
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::OpenPaymentsForDateQuery(const DateTime& date)
{
    QStringList lines = PaymentsSQL();
    // Every payment recorded on that day, at whatever time.
    lines << QStringLiteral("AND PaymentHistory.PaymentDate >= :StartDate AND PaymentHistory.PaymentDate < :EndDate")
          << QStringLiteral("ORDER BY %1, PaymentHistory.PaymentDate, PaymentHistory.PaymentID")
                 .arg(ByName(QStringLiteral("Debtors")));
    return Query(lines, { { QStringLiteral("StartDate"), DayParam(date) },
                          { QStringLiteral("EndDate"), DayParam(date, 1) } });
}
