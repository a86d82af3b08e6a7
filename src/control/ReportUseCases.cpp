#include "ReportUseCases.h"

#include "ProgramParts.h"

#include "BookInUse.h"
#include "domain/Clock.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"
#include "ui/MessageBoxes.h"
#include "ui/SelectDateForm.h"
#include "ui/SelectMonthForm.h"

TReportUseCases::TReportUseCases(TBookInUse& book, TReportManager& manager, TDeclensionService& declension)
    : m_book(book)
    , m_manager(manager)
    , m_declension(declension)
{
}

TReportRuns TReportUseCases::Runs() const
{
    return TReportRuns(m_book.Store(), m_manager, m_declension);
}

void TReportUseCases::PrintCreditSchedule(int creditID)
{
    TReportInput input;
    input.CreditID = creditID;
    Runs().Run(QStringLiteral("credit-schedule"), input);
}

void TReportUseCases::PrintPaymentOrder(int paymentID)
{
    TReportInput input;
    input.PaymentID = paymentID;
    Runs().Run(QStringLiteral("payment-order"), input);
}

void TReportUseCases::PrintPaymentHistory(TResultSet* resultSet, const QStringList* params)
{
    TReportInput input;
    input.Rows = resultSet;
    input.Variables = params;
    Runs().Run(QStringLiteral("payment-history"), input);
}

void TReportUseCases::RunOnChosenDate(const QString& kind)
{
    TSelectDateForm form;
    form.SetDate(Clock::Now());
    if (!form.Execute())
        return;
    TReportInput input;
    input.Date = form.SelectedDate();
    Runs().Run(kind, input);
}

void TReportUseCases::BuildDebtorsForDateReport()
{
    RunOnChosenDate(QStringLiteral("debtors-for-date"));
}

void TReportUseCases::BuildAllInsolventReport()
{
    TReportInput input;
    input.Date = Clock::Today();
    Runs().Run(QStringLiteral("insolvent"), input);
}

void TReportUseCases::BuildPaymentsForDateReport()
{
    RunOnChosenDate(QStringLiteral("payments-for-date"));
}

void TReportUseCases::BuildStatisticsReport()
{
    Runs().Run(QStringLiteral("statistics"), TReportInput());
}

void TReportUseCases::BuildMonthForecastReport()
{
    TSelectMonthForm form;
    if (!form.Execute())
        return;
    TReportInput input;
    input.Month = form.SelectedMonth();
    input.Year = form.SelectedYear();
    Runs().Run(QStringLiteral("month-forecast"), input);
}

void TReportUseCases::RunStatement(const QString& kind, int debtorID)
{
    TReportInput input;
    input.DebtorID = debtorID;
    if (Runs().Run(kind, input))
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
    return std::make_unique<TReportUseCases>(parts.Book, parts.Reports, parts.Declension);
}
