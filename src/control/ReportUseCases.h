#pragma once

#include "IReportPrinter.h"
#include "reports/ReportRuns.h"

#include <memory>

class TBookInUse;

// The report use cases: each asks the user for its input in the date or
// month dialog where it needs one, then runs its report in the preview.
class TReportUseCases : public IReportPrinter
{
public:
    // The reports run on whichever book is in use at the time.
    TReportUseCases(TBookInUse& book, TReportManager& manager, TDeclensionService& declension);

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
    // Runs the kind on a date the user picks, starting from now.
    void RunOnChosenDate(const QString& kind);
    // A statement refused for want of the boss name says where to fill it in.
    void RunStatement(const QString& kind, int debtorID);

    TReportRuns Runs() const;

    TBookInUse& m_book;
    TReportManager& m_manager;
    TDeclensionService& m_declension;
};

struct TProgramParts;

// The printer the system controller starts with: the program's own facade,
// report manager and declension.
std::unique_ptr<IReportPrinter> CreateReportPrinter(TProgramParts& parts);
