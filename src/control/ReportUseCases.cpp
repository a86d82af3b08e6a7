#include "ReportUseCases.h"

#include "domain/Clock.h"
#include "ui/MessageBoxes.h"
#include "ui/SelectDateForm.h"
#include "ui/SelectMonthForm.h"

TReportUseCases::TReportUseCases(TDataAccessFacade& facade, TReportManager& manager, TDeclensionService& declension)
    : m_runs(facade, manager, declension)
{
}

void TReportUseCases::PrintCreditSchedule(int creditID)
{
    m_runs.CreditSchedule(creditID);
}

void TReportUseCases::PrintPaymentOrder(int paymentID)
{
    m_runs.PaymentOrder(paymentID);
}

void TReportUseCases::PrintPaymentHistory(TResultSet* resultSet, const QStringList* params)
{
    m_runs.PaymentHistory(resultSet, params);
}

void TReportUseCases::BuildDebtorsForDateReport()
{
    TSelectDateForm form;
    form.SetDate(Clock::Now());
    if (form.Execute())
        m_runs.DebtorsForDate(form.SelectedDate());
}

void TReportUseCases::BuildAllInsolventReport()
{
    m_runs.AllInsolvent(Clock::Today());
}

void TReportUseCases::BuildPaymentsForDateReport()
{
    TSelectDateForm form;
    form.SetDate(Clock::Now());
    if (form.Execute())
        m_runs.PaymentsForDate(form.SelectedDate());
}

void TReportUseCases::BuildStatisticsReport()
{
    m_runs.Statistics();
}

void TReportUseCases::BuildMonthForecastReport()
{
    TSelectMonthForm form;
    if (form.Execute())
        m_runs.MonthForecast(form.SelectedMonth(), form.SelectedYear());
}

void TReportUseCases::WarnBossNameMissing()
{
    ShowMessageBox({ QMessageBox::Warning, QStringLiteral("ФИО коммерческого директора не заполнено."),
                     QStringLiteral("Укажите ФИО коммерческого директора.\r\n\r\n"
                                    "Это можно сделать в меню Настройки - Сведения о фирме."),
                     QMessageBox::Ok });
}

void TReportUseCases::BuildAheadStatementReport(int debtorID)
{
    if (!m_runs.AheadStatement(debtorID))
        WarnBossNameMissing();
}

void TReportUseCases::BuildRespiteStatementReport(int debtorID)
{
    if (!m_runs.RespiteStatement(debtorID))
        WarnBossNameMissing();
}
