#include "ReportUseCases.h"

#include "ProgramParts.h"

#include "data/DataAccessFacade.h"
#include "domain/Clock.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"
#include "ui/MessageBoxes.h"
#include "ui/SelectDateForm.h"
#include "ui/SelectMonthForm.h"

TReportUseCases::TReportUseCases(TDataAccessFacade& facade, TReportManager& manager, TDeclensionService& declension)
    : m_runs(facade, manager, declension)
{
}

void TReportUseCases::PrintCreditSchedule(int creditID)
{
    TReportInput input;
    input.CreditID = creditID;
    m_runs.Run(QStringLiteral("credit-schedule"), input);
}

void TReportUseCases::PrintPaymentOrder(int paymentID)
{
    TReportInput input;
    input.PaymentID = paymentID;
    m_runs.Run(QStringLiteral("payment-order"), input);
}

void TReportUseCases::PrintPaymentHistory(TResultSet* resultSet, const QStringList* params)
{
    TReportInput input;
    input.Rows = resultSet;
    input.Variables = params;
    m_runs.Run(QStringLiteral("payment-history"), input);
}

void TReportUseCases::RunOnChosenDate(const QString& kind)
{
    TSelectDateForm form;
    form.SetDate(Clock::Now());
    if (!form.Execute())
        return;
    TReportInput input;
    input.Date = form.SelectedDate();
    m_runs.Run(kind, input);
}

void TReportUseCases::BuildDebtorsForDateReport()
{
    RunOnChosenDate(QStringLiteral("debtors-for-date"));
}

void TReportUseCases::BuildAllInsolventReport()
{
    TReportInput input;
    input.Date = Clock::Today();
    m_runs.Run(QStringLiteral("insolvent"), input);
}

void TReportUseCases::BuildPaymentsForDateReport()
{
    RunOnChosenDate(QStringLiteral("payments-for-date"));
}

void TReportUseCases::BuildStatisticsReport()
{
    m_runs.Run(QStringLiteral("statistics"), TReportInput());
}

void TReportUseCases::BuildMonthForecastReport()
{
    TSelectMonthForm form;
    if (!form.Execute())
        return;
    TReportInput input;
    input.Month = form.SelectedMonth();
    input.Year = form.SelectedYear();
    m_runs.Run(QStringLiteral("month-forecast"), input);
}

void TReportUseCases::RunStatement(const QString& kind, int debtorID)
{
    TReportInput input;
    input.DebtorID = debtorID;
    if (m_runs.Run(kind, input))
        return;
    ShowMessageBox({ QMessageBox::Warning, QStringLiteral("ФИО коммерческого директора не заполнено."),
                     QStringLiteral("Укажите ФИО коммерческого директора.\r\n\r\n"
                                    "Это можно сделать в меню Настройки - Сведения о фирме."),
                     QMessageBox::Ok });
}

void TReportUseCases::BuildAheadStatementReport(int debtorID)
{
    RunStatement(QStringLiteral("ahead-statement"), debtorID);
}

void TReportUseCases::BuildRespiteStatementReport(int debtorID)
{
    RunStatement(QStringLiteral("respite-statement"), debtorID);
}

std::unique_ptr<IReportPrinter> CreateReportPrinter(TProgramParts& parts)
{
    return std::make_unique<TReportUseCases>(parts.Facade, parts.Reports, parts.Declension);
}
