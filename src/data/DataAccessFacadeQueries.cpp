#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/ValueForms.h"
#include "domain/Exception.h"

#include <QVariant>

namespace {

// A bound of a day range: the day's first ten characters. Every stored form of
// a day (the full one and the ten-character one of older files) sorts at or
// after the day's own and before the next day's.
// With daysAfter, the bound of the day that many days later (see DayPrefixAfter).
QVariant DayParam(const DateTime& day, int daysAfter = 0)
{
    return TDataAccessFacade::DayPrefixAfter(day, daysAfter);
}

// The named sums of an aggregate over the days of the month, from its first
// (StartDate) up to the first of the next month (EndDate), added up.
Money MonthSum(TSQLiteConnection& connection, const QStringList& lines, int month, int year, const QStringList& sums)
{
    DateTime firstDay;
    DateTime lastDay;
    TDataAccessFacade::GetMonthBounds(month, year, firstDay, lastDay);
    TSQLStatement statement(connection, lines);
    TDataAccessFacade::SetParamValue(statement, QStringLiteral("StartDate"), DayParam(firstDay));
    TDataAccessFacade::SetParamValue(statement, QStringLiteral("EndDate"), DayParam(lastDay, 1));
    Money total;
    if (statement.Step()) {
        // An empty sum (nothing in the month) or one that does not read counts as 0.
        for (const QString& sum : sums)
            total += ValueForms::MoneyFromText(statement.Text(sum));
    }
    return total;
}

}

void TDataAccessFacade::FillDebtorsScheduleSQL(QStringList* lines)
{
    if (!lines)
        return;
    *lines << QStringLiteral("SELECT Debtors.DebtorID AS DebtorID, Credits.CreditID AS CreditID, "
                             "Credits.PaymentsSum AS PaymentsSum, ")
           << QStringLiteral("Debtors.Name AS Name, Debtors.Surname AS Surname, Debtors.PatronymicName AS PatronymicName,")
           << QStringLiteral("Debtors.Telephone AS Telephone,")
           << QStringLiteral("Debtors.Region AS Region, Debtors.District AS District, Debtors.City AS City, "
                             "Debtors.Street AS Street, Debtors.Building AS Building, Debtors.Flat AS Flat,")
           << QStringLiteral("PaymentSchedule.MustBePaymentSum AS MustBePaymentSum, PaymentSchedule.PayingOff AS PayingOff,")
           << QStringLiteral("PaymentSchedule.CreditPercents AS CreditPercents, PaymentSchedule.Annua, "
                             "PaymentSchedule.PaymentDate AS PaymentDate,")
           // The contract tells two credits of one debtor apart on paper; the due
           // date under a name of its own, as reports read PaymentDate as the chosen day.
           << QStringLiteral("Credits.ContractNumber AS ContractNumber, PaymentSchedule.PaymentDate AS DueDate")
           << QStringLiteral("FROM Debtors, Credits, PaymentSchedule")
           << QStringLiteral("    WHERE (1=1)")
           << QStringLiteral("AND (Debtors.DebtorID = Credits.DebtorID)")
           << QStringLiteral("AND (PaymentSchedule.CreditID = Credits.CreditID)");
}

void TDataAccessFacade::FillPaymentsSQL(QStringList* lines)
{
    if (!lines)
        return;
    *lines << QStringLiteral("SELECT PaymentHistory.PaymentID, PaymentHistory.CreditID, PaymentHistory.PaymentDate, "
                             "PaymentHistory.PaymentSum, PaymentHistory.AheadSum, IfNull(PaymentHistory.PaymentSum, 0) "
                             "+ IfNull(PaymentHistory.AheadSum, 0) as Total,")
           << QStringLiteral("Debtors.DebtorID, Debtors.Name, Debtors.Surname, Debtors.PatronymicName,")
           << QStringLiteral("Credits.CreditID AS CreditID, Credits.ContractNumber, Credits.ContractDate, "
                             "Credits.CreditSize, Credits.FullMustBePaymentSum")
           << QStringLiteral("FROM PaymentHistory, Credits, Debtors")
           << QStringLiteral("WHERE")
           << QStringLiteral("(PaymentHistory.CreditID = Credits.CreditID)")
           << QStringLiteral(" AND (Debtors.DebtorID = Credits.DebtorID)");
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenDebtorStatementQuery(int debtorID)
{
    // No existence check: a debtor that does not exist gives an empty result.
    return std::make_unique<TResultSet>(
        Connection(),
        QStringList { QStringLiteral("SELECT * FROM Debtors, CompanyInfo"), QStringLiteral("WHERE DebtorID = :DebtorID") },
        TQueryParams { { QStringLiteral("DebtorID"), debtorID } });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenStatisticsQuery()
{
    // MinPaymentDate carries the latest due date: the report has always shown it so.
    return std::make_unique<TResultSet>(
        Connection(),
        QStringList { QStringLiteral("SELECT "),
                      QStringLiteral("(SELECT Count(*) FROM Credits) AS CreditsCount,"),
                      QStringLiteral("CAST((SELECT Sum(CreditSize) FROM Credits) AS CURRENCY) AS CreditsSumm,"),
                      QStringLiteral("CAST((SELECT Sum(PaymentsSum) FROM Credits)  AS CURRENCY) AS PaymentsSumm,"),
                      QStringLiteral("(SELECT Min(ContractDate) FROM Credits) AS MinContractDate,"),
                      QStringLiteral("(SELECT Max(ContractDate) FROM Credits) AS MaxContractDate,"),
                      QStringLiteral("(SELECT Max(PaymentDate) FROM PaymentSchedule) AS MinPaymentDate,"),
                      QStringLiteral("(SELECT Count(*) FROM Debtors) AS DebtorsCount") });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenCreditScheduleQuery(int creditID)
{
    CheckCreditExists(creditID);
    return std::make_unique<TResultSet>(
        Connection(),
        QStringList {
            QStringLiteral("SELECT  Debtors.DebtorID, Debtors.Name, Debtors.Surname, Debtors.PatronymicName,"),
            QStringLiteral("Credits.CreditID AS CreditID, Credits.ContractNumber, Credits.ContractDate, "
                           "Credits.CreditSize, Credits.FullMustBePaymentSum AS FullMustBePaymentSum, "
                           "Credits.PaymentsSum AS PaymentsSum,"),
            QStringLiteral("PaymentSchedule.PaymentDate, PaymentSchedule.Balance, PaymentSchedule.MustBePaymentSum, "
                           "PaymentSchedule.PayingOff, PaymentSchedule.CreditPercents, PaymentSchedule.Annua, "
                           "PaymentSchedule.WasDelay"),
            QStringLiteral("FROM Credits, Debtors, PaymentSchedule "),
            QStringLiteral("WHERE"),
            QStringLiteral("     (Credits.CreditID = :CreditID)"),
            QStringLiteral(" AND (Debtors.DebtorID = Credits.DebtorID)"),
            QStringLiteral(" AND (PaymentSchedule.CreditID = Credits.CreditID)") },
        TQueryParams { { QStringLiteral("CreditID"), creditID } });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenDebtorsListQuery()
{
    return std::make_unique<TResultSet>(
        Connection(),
        QStringList { QStringLiteral("SELECT DebtorID, Surname, Name, PatronymicName, DelayCount, ActiveDelayCount  "
                                     "FROM Debtors"),
                      QStringLiteral("ORDER BY Surname COLLATE Russian, Name COLLATE Russian, "
                                     "PatronymicName COLLATE Russian") });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenDebtorsForDateQuery(const DateTime& date)
{
    QStringList lines;
    FillDebtorsScheduleSQL(&lines);
    // The whole day, whatever the time of the argument and the stored form of the due date.
    lines << QStringLiteral("AND ((PaymentSchedule.PaymentDate >= :ADate AND PaymentSchedule.PaymentDate < :ANextDate))");
    return std::make_unique<TResultSet>(Connection(), lines,
                                        TQueryParams { { QStringLiteral("ADate"), DayParam(date) },
                                                       { QStringLiteral("ANextDate"), DayParam(date, 1) } });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenInsolventQuery(const DateTime& date)
{
    QStringList lines;
    FillDebtorsScheduleSQL(&lines);
    // The month's rows, and every row due by then that the payments do not
    // cover, however long ago: the worst defaulters owe for months.
    lines << QStringLiteral("AND PaymentSchedule.PaymentDate < :AEndDate AND (PaymentSchedule.PaymentDate >= :AFirstDate")
          << QStringLiteral("  OR %1)").arg(UncoveredRowSQL(QStringLiteral("PaymentSchedule")))
          << QStringLiteral("AND IfNull(Debtors.ActiveDelayCount, 0) > 0")
          << QStringLiteral("ORDER BY Debtors.Surname COLLATE Russian, Debtors.Name COLLATE Russian, "
                            "Debtors.PatronymicName COLLATE Russian, Debtors.DebtorID, Credits.CreditID, "
                            "PaymentSchedule.PaymentDate");
    // From the day after the same day a month back (the day lowered to the end of a
    // shorter month: 31 March gives 28 or 29 February) through the given day.
    return std::make_unique<TResultSet>(
        Connection(), lines,
        TQueryParams { { QStringLiteral("AFirstDate"), DayParam(date.AddMonths(-1), 1) },
                       { QStringLiteral("AEndDate"), DayParam(date, 1) } });
}

void TDataAccessFacade::GetMonthBounds(int month, int year, DateTime& firstDay, DateTime& lastDay)
{
    // The stored date form has four digits for the year.
    if (year < 1 || year > 9999)
        throw Exception(QStringLiteral("Неверный год: %1").arg(year));
    firstDay = DateTime::Checked(year, month, 1);
    lastDay = DateTime::Checked(year, month, firstDay.Date().daysInMonth());
}

Money TDataAccessFacade::GetMonthPaymentForecast(int month, int year)
{
    return MonthSum(Connection(),
                    { QStringLiteral("SELECT Sum(Annua) AS MonthPaymentForecast, Count(*) AS MonthCount "
                                     "FROM PaymentSchedule"),
                      QStringLiteral("WHERE (PaymentDate >= :StartDate) AND (PaymentDate < :EndDate)") },
                    month, year, { QStringLiteral("MonthPaymentForecast") });
}

Money TDataAccessFacade::GetMonthPaymentsTotal(int month, int year)
{
    // Payments carry the time they were recorded: every moment of the last day counts.
    return MonthSum(Connection(),
                    { QStringLiteral("SELECT Sum(PaymentSum) AS PaymentSum, SUM(AheadSum) AS AheadSum "
                                     "FROM PaymentHistory"),
                      QStringLiteral("WHERE (PaymentDate >= :StartDate) AND (PaymentDate < :EndDate)") },
                    month, year, { QStringLiteral("PaymentSum"), QStringLiteral("AheadSum") });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenPaymentOrderQuery(int paymentID)
{
    // An order for nothing would read as a receipt for nought roubles.
    CheckPaymentExists(paymentID);
    // The columns after CompanyName serve the order's basis and split; earlier ones keep their places.
    return std::make_unique<TResultSet>(
        Connection(),
        QStringList { QStringLiteral("SELECT PaymentHistory.PaymentID, PaymentHistory.CreditID, "
                                     "PaymentHistory.PaymentDate, PaymentHistory.PaymentSum, PaymentHistory.OrderNumber, "
                                     "IfNull(PaymentHistory.PaymentSum, 0) + IfNull(PaymentHistory.AheadSum, 0) as Total,"),
                      QStringLiteral("Debtors.Surname, Debtors.Name, Debtors.PatronymicName, CompanyInfo.CompanyName,"),
                      QStringLiteral("IfNull(PaymentHistory.AheadSum, 0) AS AheadSum, Credits.ContractNumber, Credits.ContractDate"),
                      QStringLiteral("FROM PaymentHistory, Credits, Debtors, CompanyInfo"),
                      QStringLiteral("WHERE"),
                      QStringLiteral("(PaymentHistory.CreditID = Credits.CreditID)"),
                      QStringLiteral(" AND (Debtors.DebtorID = Credits.DebtorID)"),
                      QStringLiteral(" AND (PaymentHistory.PaymentID = :PaymentID)") },
        TQueryParams { { QStringLiteral("PaymentID"), paymentID } });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenCreditPaymentsQuery(int creditID)
{
    CheckCreditExists(creditID);
    QStringList lines;
    FillPaymentsSQL(&lines);
    lines << QStringLiteral(" AND (PaymentHistory.CreditID = :CreditID)");
    return std::make_unique<TResultSet>(Connection(), lines, TQueryParams { { QStringLiteral("CreditID"), creditID } });
}

std::unique_ptr<TResultSet> TDataAccessFacade::OpenPaymentsForDateQuery(const DateTime& date)
{
    QStringList lines;
    FillPaymentsSQL(&lines);
    // Every payment recorded on that day, at whatever time and in whichever stored form.
    lines << QStringLiteral("AND (PaymentHistory.PaymentDate >= :StartDate AND PaymentHistory.PaymentDate < :EndDate)")
          << QStringLiteral("ORDER BY Debtors.Surname COLLATE Russian, Debtors.Name COLLATE Russian, "
                            "Debtors.PatronymicName COLLATE Russian");
    return std::make_unique<TResultSet>(Connection(), lines,
                                        TQueryParams { { QStringLiteral("StartDate"), DayParam(date) },
                                                       { QStringLiteral("EndDate"), DayParam(date, 1) } });
}
