#pragma once

#include <QStringList>

class TResultSet;

// Everything the system controller prints: the documents that follow a use
// case (a new credit's schedule, a payment's order), the payment history of
// the history dialog, and the reports of the main menu, each of which asks
// the user for its own input. Holding it never frees the object behind it.
class IReportPrinter
{
public:
    virtual ~IReportPrinter() = default;

    virtual void PrintCreditSchedule(int creditID) = 0;
    virtual void PrintPaymentOrder(int paymentID) = 0;
    // The caller keeps the result set and the "name=value" lines (may be none).
    virtual void PrintPaymentHistory(TResultSet* resultSet, const QStringList* params) = 0;

    virtual void BuildDebtorsForDateReport() = 0;
    virtual void BuildAllInsolventReport() = 0;
    virtual void BuildPaymentsForDateReport() = 0;
    virtual void BuildStatisticsReport() = 0;
    virtual void BuildMonthForecastReport() = 0;
    // The statements are for the debtor under the cursor of the debtors list.
    virtual void BuildAheadStatementReport(int debtorID) = 0;
    virtual void BuildRespiteStatementReport(int debtorID) = 0;
};
