#include "ReportRuns.h"

#include "DeclensionException.h"
#include "DeclensionService.h"
#include "MoneyInWords.h"
#include "ReportManager.h"
#include "ReportVariables.h"
#include "data/LoanBookStore.h"
#include "domain/Company.h"
#include "domain/Exception.h"
#include "domain/PersonName.h"
#include "sqlite/ResultSet.h"

#include <QLocale>

#include <array>
#include <optional>

namespace {

// Grammatical cases the statements use.
constexpr int GenitiveCase = 2;
constexpr int DativeCase = 3;

QString ShortDate(const DateTime& date)
{
    return QLocale().toString(date.Date(), QLocale::ShortFormat);
}

// Of the set's first row.
QString DebtorFullName(const TResultSet& rows)
{
    return FullName(rows.Text(0, QStringLiteral("Surname")), rows.Text(0, QStringLiteral("Name")),
                    rows.Text(0, QStringLiteral("PatronymicName")));
}

void AddDebtorsForDateVariables(TReportRuns& runs, const QString& title, const TReportInput& input,
                                QStringList& variables)
{
    AddReportVariable(variables, QStringLiteral("ReportTitle"), title);
    AddReportVariable(variables, QStringLiteral("PaymentDate"), ShortDate(input.Date));
    AddReportVariable(variables, QStringLiteral("CompanyName"), runs.GetCompanyNameForReport());
}

bool CompanyNameOnly(TReportRuns& runs, const TReportInput&, TResultSet*, QStringList& variables)
{
    AddReportVariable(variables, QStringLiteral("CompanyName"), runs.GetCompanyNameForReport());
    return true;
}

// The statements' values; none when the boss name declines to nothing.
bool StatementVariables(TReportRuns& runs, const TReportInput&, TResultSet* rows, QStringList& variables)
{
    const QString bossNameDativ = runs.Declension().DeclineFullName(rows->Text(0, QStringLiteral("BossName")), DativeCase);
    if (bossNameDativ.isEmpty())
        return false;
    const QString debtorName = DebtorFullName(*rows);
    AddReportVariable(variables, QStringLiteral("DebtorName"), debtorName);
    AddReportVariable(variables, QStringLiteral("DebtorNameGenetiv"),
                      runs.Declension().DeclineFullName(debtorName, GenitiveCase));
    AddReportVariable(variables, QStringLiteral("BossNameDativ"), bossNameDativ);
    AddReportVariable(variables, QStringLiteral("CompanyName"), rows->Text(0, QStringLiteral("CompanyName")));
    return true;
}

std::unique_ptr<TResultSet> StatementQuery(ILoanBookStore& facade, const TReportInput& input)
{
    return facade.OpenDebtorStatementQuery(input.DebtorID);
}

bool PaymentOrderVariables(TReportRuns& runs, const TReportInput&, TResultSet* rows, QStringList& variables)
{
    // A receipt states all the money received, the part paid ahead of the
    // schedule included. The exact amount, not a binary fraction of it, decides the kopecks.
    AddReportVariable(variables, QStringLiteral("PaymentInWords"),
                      MoneyToWords(rows->MoneyValue(0, QStringLiteral("Total"))));
    // "Принято от" whom: the payer in the genitive. The money is in the till
    // already, so a name the library cannot decline is printed as written.
    const QString payer = DebtorFullName(*rows);
    QString payerGenitive;
    try {
        payerGenitive = runs.Declension().DeclineFullName(payer, GenitiveCase);
    } catch (const EDeclensionException&) {
    }
    AddReportVariable(variables, QStringLiteral("DebtorNameGenetiv"), payerGenitive.isEmpty() ? payer : payerGenitive);
    return true;
}

bool MonthForecastVariables(TReportRuns& runs, const TReportInput& input, TResultSet*, QStringList& variables)
{
    AddReportVariable(variables, QStringLiteral("CompanyName"), runs.GetCompanyNameForReport());
    AddReportVariable(variables, QStringLiteral("MonthPaymentForecast"),
                      TReportRuns::MoneyGeneralText(runs.Facade().GetMonthPaymentForecast(input.Month, input.Year)));
    AddReportVariable(variables, QStringLiteral("MonthPaymentReality"),
                      TReportRuns::MoneyGeneralText(runs.Facade().GetMonthPaymentsTotal(input.Month, input.Year)));
    AddReportVariable(variables, QStringLiteral("MonthName"), TReportRuns::GetMonthNamePrepositional(input.Month));
    AddReportVariable(variables, QStringLiteral("Year"), QString::number(input.Year));
    return true;
}

}

const std::vector<TReportKind>& ReportKinds()
{
    // The date lists have a PaymentDate column of their own: the chosen date must win.
    static const std::vector<TReportKind> kinds{
        {QStringLiteral("credit-schedule"), QStringLiteral("CreditPaymentGraphReport"), TReportNeed::Credit,
         [](ILoanBookStore& facade, const TReportInput& input) {
             return facade.OpenCreditScheduleQuery(input.CreditID);
         },
         nullptr},
        {QStringLiteral("payment-order"), QStringLiteral("PaymentReport"), TReportNeed::Payment,
         [](ILoanBookStore& facade, const TReportInput& input) {
             return facade.OpenPaymentOrderQuery(input.PaymentID);
         },
         PaymentOrderVariables},
        {QStringLiteral("payment-history"), QStringLiteral("PaymentHistoryReport"), TReportNeed::Credit,
         [](ILoanBookStore& facade, const TReportInput& input) {
             return facade.OpenCreditPaymentsQuery(input.CreditID);
         },
         nullptr},
        {QStringLiteral("debtors-for-date"), QStringLiteral("DebtorsForDateReport"), TReportNeed::Date,
         [](ILoanBookStore& facade, const TReportInput& input) { return facade.OpenDebtorsForDateQuery(input.Date); },
         [](TReportRuns& runs, const TReportInput& input, TResultSet*, QStringList& variables) {
             AddDebtorsForDateVariables(runs, QStringLiteral("Должники к "), input, variables);
             return true;
         },
         true},
        {QStringLiteral("insolvent"), QStringLiteral("DebtorsForDateReport"), TReportNeed::Today,
         [](ILoanBookStore& facade, const TReportInput& input) { return facade.OpenInsolventQuery(input.Date); },
         [](TReportRuns& runs, const TReportInput& input, TResultSet*, QStringList& variables) {
             AddDebtorsForDateVariables(runs, QStringLiteral("Все задолжники на "), input, variables);
             return true;
         },
         true},
        {QStringLiteral("payments-for-date"), QStringLiteral("PaymentsForDateReport"), TReportNeed::Date,
         [](ILoanBookStore& facade, const TReportInput& input) { return facade.OpenPaymentsForDateQuery(input.Date); },
         [](TReportRuns& runs, const TReportInput& input, TResultSet*, QStringList& variables) {
             AddReportVariable(variables, QStringLiteral("PaymentDate"), ShortDate(input.Date));
             AddReportVariable(variables, QStringLiteral("CompanyName"), runs.GetCompanyNameForReport());
             return true;
         },
         true},
        {QStringLiteral("statistics"), QStringLiteral("Statistics"), TReportNeed::Nothing,
         [](ILoanBookStore& facade, const TReportInput&) { return facade.OpenStatisticsQuery(); }, CompanyNameOnly},
        {QStringLiteral("month-forecast"), QStringLiteral("MonthForecastReport"), TReportNeed::Month, nullptr,
         MonthForecastVariables},
        {QStringLiteral("ahead-statement"), QStringLiteral("AheadStatement"), TReportNeed::Debtor, StatementQuery,
         StatementVariables},
        {QStringLiteral("respite-statement"), QStringLiteral("RespiteStatement"), TReportNeed::Debtor, StatementQuery,
         StatementVariables},
    };
    return kinds;
}

const TReportKind& ReportKind(const QString& name)
{
    for (const TReportKind& kind : ReportKinds())
        if (kind.Name == name)
            return kind;
    throw Exception(QStringLiteral("Неизвестный вид отчёта: %1").arg(name));
}

TReportRuns::TReportRuns(ILoanBookStore& facade, TReportManager& manager, TDeclensionService& declension)
    : m_facade(facade)
    , m_manager(manager)
    , m_declension(declension)
{
}

bool TReportRuns::Run(const TReportKind& kind, const TReportInput& input)
{
    std::unique_ptr<TResultSet> ownRows;
    TResultSet* rows = input.Rows;
    if (!rows && kind.Query) {
        ownRows = kind.Query(m_facade, input);
        rows = ownRows.get();
    }
    QStringList variables;
    if (kind.Variables && !kind.Variables(*this, input, rows, variables))
        return false;
    if (input.Variables)
        variables += *input.Variables;
    m_manager.RunReport(kind.TemplateName, { rows, &variables, kind.VariablesFirst });
    return true;
}

QString TReportRuns::GetCompanyNameForReport()
{
    TCompany company;
    m_facade.LoadCompany(company);
    if (company.CompanyName.trimmed().isEmpty())
        return QStringLiteral("   ");
    return company.CompanyName;
}

QString TReportRuns::GetMonthNamePrepositional(int month)
{
    static const std::array<const char*, 12> names{"январе", "феврале", "марте",    "апреле",  "мае",    "июне",
                                                   "июле",   "августе", "сентябре", "октябре", "ноябре", "декабре"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromUtf8(names[std::size_t(month - 1)]);
}

QString TReportRuns::MoneyGeneralText(Money value)
{
    QString text = value.ToText();
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}
