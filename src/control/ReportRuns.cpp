#include "ReportRuns.h"

#include "data/DataAccessFacade.h"
#include "domain/Company.h"
#include "domain/Money.h"
#include "domain/PersonName.h"
#include "reports/DeclensionException.h"
#include "reports/DeclensionService.h"
#include "reports/MoneyInWords.h"
#include "reports/ReportManager.h"
#include "reports/ReportVariables.h"
#include "reports/VariablesFirstScope.h"
#include "sqlite/ResultSet.h"

#include <QLocale>

#include <array>
#include <memory>

namespace {

// Grammatical cases the statements use.
constexpr int GenitiveCase = 2;
constexpr int DativeCase = 3;

QString ShortDate(const DateTime& date)
{
    return QLocale().toString(date.Date(), QLocale::ShortFormat);
}

QString DebtorFullName(const TResultSet& row)
{
    return FullName(row.Text(QStringLiteral("Surname")), row.Text(QStringLiteral("Name")),
                    row.Text(QStringLiteral("PatronymicName")));
}

}

TReportRuns::TReportRuns(TDataAccessFacade& facade, TReportManager& manager, TDeclensionService& declension)
    : m_facade(facade)
    , m_manager(manager)
    , m_declension(declension)
{
}

QString TReportRuns::GetCompanyNameForReport()
{
    TCompany company;
    m_facade.LoadCompany(&company);
    if (company.CompanyName.trimmed().isEmpty())
        return QStringLiteral("   ");
    return company.CompanyName;
}

QString TReportRuns::GetMonthNamePrepositional(int month)
{
    static const std::array<const char*, 12> names { "январе", "феврале", "марте",    "апреле",  "мае",    "июне",
                                                      "июле",   "августе", "сентябре", "октябре", "ноябре", "декабре" };
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

void TReportRuns::RunDebtorsForDateReport(const QString& title, TResultSet* resultSet, const DateTime& date)
{
    if (!resultSet)
        return;
    QStringList variables;
    AddReportVariable(variables, QStringLiteral("ReportTitle"), title);
    AddReportVariable(variables, QStringLiteral("PaymentDate"), ShortDate(date));
    AddReportVariable(variables, QStringLiteral("CompanyName"), GetCompanyNameForReport());
    // The data set has a PaymentDate of its own: the chosen date must win.
    TVariablesFirstScope variablesFirst(m_manager);
    m_manager.ShowDebtorsForDateReport(resultSet, &variables);
}

void TReportRuns::DebtorsForDate(const DateTime& date)
{
    const std::unique_ptr<TResultSet> resultSet = m_facade.OpenDebtorsForDateQuery(date);
    RunDebtorsForDateReport(QStringLiteral("Должники к "), resultSet.get(), date);
}

void TReportRuns::AllInsolvent(const DateTime& today)
{
    const std::unique_ptr<TResultSet> resultSet = m_facade.OpenInsolventQuery(today);
    RunDebtorsForDateReport(QStringLiteral("Все задолжники на "), resultSet.get(), today);
}

void TReportRuns::PaymentsForDate(const DateTime& date)
{
    const std::unique_ptr<TResultSet> resultSet = m_facade.OpenPaymentsForDateQuery(date);
    QStringList variables;
    AddReportVariable(variables, QStringLiteral("PaymentDate"), ShortDate(date));
    AddReportVariable(variables, QStringLiteral("CompanyName"), GetCompanyNameForReport());
    TVariablesFirstScope variablesFirst(m_manager);
    m_manager.ShowPaymentsForDateReport(resultSet.get(), &variables);
}

void TReportRuns::Statistics()
{
    const std::unique_ptr<TResultSet> resultSet = m_facade.OpenStatisticsQuery();
    QStringList variables;
    AddReportVariable(variables, QStringLiteral("CompanyName"), GetCompanyNameForReport());
    m_manager.ShowStatistics(resultSet.get(), &variables);
}

void TReportRuns::MonthForecast(int month, int year)
{
    QStringList variables;
    AddReportVariable(variables, QStringLiteral("CompanyName"), GetCompanyNameForReport());
    AddReportVariable(variables, QStringLiteral("MonthPaymentForecast"),
                      MoneyGeneralText(m_facade.GetMonthPaymentForecast(month, year)));
    AddReportVariable(variables, QStringLiteral("MonthPaymentReality"),
                      MoneyGeneralText(m_facade.GetMonthPaymentsTotal(month, year)));
    AddReportVariable(variables, QStringLiteral("MonthName"), GetMonthNamePrepositional(month));
    AddReportVariable(variables, QStringLiteral("Year"), QString::number(year));
    m_manager.ShowMonthForecastReport(nullptr, &variables);
}

std::unique_ptr<TResultSet> TReportRuns::PrepareStatementData(int debtorID, QStringList& variables)
{
    std::unique_ptr<TResultSet> resultSet = m_facade.OpenDebtorStatementQuery(debtorID);
    const QString bossNameDativ = m_declension.DeclineFullName(resultSet->Text(QStringLiteral("BossName")), DativeCase);
    if (bossNameDativ.isEmpty())
        return nullptr;
    const QString debtorName = DebtorFullName(*resultSet);
    AddReportVariable(variables, QStringLiteral("DebtorName"), debtorName);
    AddReportVariable(variables, QStringLiteral("DebtorNameGenetiv"), m_declension.DeclineFullName(debtorName, GenitiveCase));
    AddReportVariable(variables, QStringLiteral("BossNameDativ"), bossNameDativ);
    AddReportVariable(variables, QStringLiteral("CompanyName"), resultSet->Text(QStringLiteral("CompanyName")));
    return resultSet;
}

bool TReportRuns::AheadStatement(int debtorID)
{
    QStringList variables;
    const std::unique_ptr<TResultSet> resultSet = PrepareStatementData(debtorID, variables);
    if (!resultSet)
        return false;
    m_manager.ShowAheadStatement(resultSet.get(), &variables);
    return true;
}

bool TReportRuns::RespiteStatement(int debtorID)
{
    QStringList variables;
    const std::unique_ptr<TResultSet> resultSet = PrepareStatementData(debtorID, variables);
    if (!resultSet)
        return false;
    m_manager.ShowRespiteStatement(resultSet.get(), &variables);
    return true;
}

void TReportRuns::CreditSchedule(int creditID)
{
    const std::unique_ptr<TResultSet> resultSet = m_facade.OpenCreditScheduleQuery(creditID);
    m_manager.ShowCreditPaymentGraphReport(resultSet.get(), nullptr);
}

void TReportRuns::PaymentOrder(int paymentID)
{
    const std::unique_ptr<TResultSet> resultSet = m_facade.OpenPaymentOrderQuery(paymentID);
    QStringList variables;
    // A receipt states all the money received, the part paid ahead of the
    // schedule included. The exact amount, not a binary fraction of it, decides the kopecks.
    AddReportVariable(variables, QStringLiteral("PaymentInWords"),
                      MoneyToWords(resultSet->MoneyValue(QStringLiteral("Total"))));
    // "Принято от" whom: the payer in the genitive. The money is in the till
    // already, so a name the library cannot decline is printed as written.
    const QString payer = DebtorFullName(*resultSet);
    QString payerGenitive;
    try {
        payerGenitive = m_declension.DeclineFullName(payer, GenitiveCase);
    } catch (const EDeclensionException&) {
    }
    AddReportVariable(variables, QStringLiteral("DebtorNameGenetiv"), payerGenitive.isEmpty() ? payer : payerGenitive);
    m_manager.ShowPaymentReport(resultSet.get(), &variables);
}

void TReportRuns::PaymentHistory(TResultSet* resultSet, const QStringList* variables)
{
    m_manager.ShowPaymentHistoryReport(resultSet, variables);
}
