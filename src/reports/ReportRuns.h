#pragma once

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class ILoanBookStore;
class TDeclensionService;
class TReportManager;
class TReportRuns;
class TResultSet;

// The input chosen for one document; each kind reads only its own fields.
struct TReportInput
{
    DateTime Date;
    int Month = 0;
    int Year = 0;
    int DebtorID = 0;
    int CreditID = 0;
    int PaymentID = 0;
    // Rows the caller already has open (the payment history dialog's); the
    // kind's own query is not run then. Borrowed.
    TResultSet* Rows = nullptr;
    // "name=value" lines the caller adds to the kind's own. Borrowed.
    const QStringList* Variables = nullptr;
};

// Which input a kind needs, so that a caller knows what to ask for.
enum class TReportNeed
{
    Nothing,
    Date,
    Today,
    Month,
    Debtor,
    Credit,
    Payment,
};

// One printed document: its template in Reports/, the rows it is filled
// from and the named values it gets.
struct TReportKind
{
    // Opens the document's rows; null for a document without rows.
    using TQuery = std::unique_ptr<TResultSet> (*)(ILoanBookStore& facade, const TReportInput& input);
    // Adds the document's values; false refuses the document, which is then not shown.
    using TVariables = bool (*)(TReportRuns& runs, const TReportInput& input, TResultSet* rows,
                                QStringList& variables);

    // The name varnel-tool knows it by.
    QString Name;
    QString TemplateName;
    TReportNeed Need = TReportNeed::Nothing;
    TQuery Query = nullptr;
    TVariables Variables = nullptr;
    // The values win over the rows' columns of the same name.
    bool VariablesFirst = false;
};

// Every printed document of the program, in the order varnel-tool lists
// them. A new document is its template and one row here.
const std::vector<TReportKind>& ReportKinds();
// The kind of that name; raises for an unknown name.
const TReportKind& ReportKind(const QString& name);

// Runs the documents with their input already chosen: opens the kind's rows,
// computes its values and hands both to the report manager, freeing them
// after the run whatever happens. The command line runs these directly; the
// report use cases of the window ask the user first.
class TReportRuns
{
public:
    TReportRuns(ILoanBookStore& facade, TReportManager& manager, TDeclensionService& declension);

    // False, showing nothing, when the kind refused (a statement without the
    // company's boss name, or for a missing debtor).
    bool Run(const TReportKind& kind, const TReportInput& input);
    bool Run(const QString& kindName, const TReportInput& input) { return Run(ReportKind(kindName), input); }

    ILoanBookStore& Facade() { return m_facade; }
    TDeclensionService& Declension() { return m_declension; }

    // The company name as reports get it: three blanks for an empty or blank
    // one, so that the lookup finds a value; otherwise exactly as stored.
    QString GetCompanyNameForReport();
    // "январе" … "декабре"; empty outside 1..12.
    static QString GetMonthNamePrepositional(int month);
    // The user's decimal separator, no grouping, no currency, no trailing zeros.
    static QString MoneyGeneralText(Money value);

private:
    ILoanBookStore& m_facade;
    TReportManager& m_manager;
    TDeclensionService& m_declension;
};
