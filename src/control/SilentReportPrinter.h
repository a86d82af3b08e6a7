#pragma once

#include "IReportPrinter.h"

// The printer of a program without reports: every print does nothing.
class TSilentReportPrinter : public IReportPrinter
{
public:
    void PrintCreditSchedule(int) override {}
    void PrintPaymentOrder(int) override {}
    void PrintPaymentHistory(TResultSet*, const QStringList*) override {}

    void BuildDebtorsForDateReport() override {}
    void BuildAllInsolventReport() override {}
    void BuildPaymentsForDateReport() override {}
    void BuildStatisticsReport() override {}
    void BuildMonthForecastReport() override {}
    void BuildAheadStatementReport(int) override {}
    void BuildRespiteStatementReport(int) override {}
};
