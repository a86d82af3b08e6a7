#pragma once

#include "IReportPrinter.h"
#include "ReportRuns.h"

// The report use cases: each asks the user for its input in the date or
// month dialog where it needs one, then runs its report in the preview.
class TReportUseCases : public IReportPrinter
{
public:
    TReportUseCases(TDataAccessFacade& facade, TReportManager& manager, TDeclensionService& declension);

    void PrintCreditSchedule(int creditID) override;
    void PrintPaymentOrder(int paymentID) override;
    void PrintPaymentHistory(TResultSet* resultSet, const QStringList* params) override;

    void BuildDebtorsForDateReport() override;
    void BuildAllInsolventReport() override;
    void BuildPaymentsForDateReport() override;
    void BuildStatisticsReport() override;
    void BuildMonthForecastReport() override;
    void BuildAheadStatementReport(int debtorID) override;
    void BuildRespiteStatementReport(int debtorID) override;

private:
    static void WarnBossNameMissing();

    TReportRuns m_runs;
};
