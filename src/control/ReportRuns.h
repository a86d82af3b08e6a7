#pragma once

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QString>
#include <QStringList>

#include <memory>

class TDataAccessFacade;
class TDeclensionService;
class TReportManager;
class TResultSet;

// The reports with their input already chosen: each opens its query,
// computes its named values and hands both to the report manager, freeing
// them after the run whatever happens. The command line runs these directly;
// the report use cases ask the user first.
class TReportRuns
{
public:
    TReportRuns(TDataAccessFacade& facade, TReportManager& manager, TDeclensionService& declension);

    void DebtorsForDate(const DateTime& date);
    void AllInsolvent(const DateTime& today);
    void PaymentsForDate(const DateTime& date);
    void Statistics();
    void MonthForecast(int month, int year);
    // False, showing nothing, when the company's boss name is not filled in
    // (or the debtor's row is missing).
    bool AheadStatement(int debtorID);
    bool RespiteStatement(int debtorID);
    void CreditSchedule(int creditID);
    void PaymentOrder(int paymentID);
    // The caller keeps the result set and the values.
    void PaymentHistory(TResultSet* resultSet, const QStringList* variables);

    // The company name as reports get it: three blanks for an empty or blank
    // one, so that the lookup finds a value; otherwise exactly as stored.
    QString GetCompanyNameForReport();
    // "январе" … "декабре"; empty outside 1..12.
    static QString GetMonthNamePrepositional(int month);
    // The user's decimal separator, no grouping, no currency, no trailing zeros.
    static QString MoneyGeneralText(Money value);

private:
    void RunDebtorsForDateReport(const QString& title, TResultSet* resultSet, const DateTime& date);
    // Fills the statement's values and returns its open row set; none when
    // the boss name declines to nothing.
    std::unique_ptr<TResultSet> PrepareStatementData(int debtorID, QStringList& variables);

    TDataAccessFacade& m_facade;
    TReportManager& m_manager;
    TDeclensionService& m_declension;
};
