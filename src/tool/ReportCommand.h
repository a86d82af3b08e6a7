#pragma once

#include "LoanBookCommand.h"

#include "domain/DateTime.h"

// varnel-tool report KIND FILE --out OUT.pdf|OUT.html [...]: one printed
// document of a loan book, written into a file with the program's own
// templates and report runs, without a screen.
class TReportCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("report"); }
    QString Synopsis() const override;

    // The kinds of document, in the order the usage lists them.
    static QStringList Kinds();

protected:
    QStringList OptionNames() const override;
    int FileCount() const override { return 2; }
    int BookFilePosition() const override { return 1; }
    void ReadBookOptions(TToolOptions& options) override;
    int Work(TDataAccessFacade& facade, QTextStream& out, QTextStream& err) override;

private:
    // Runs the document; false when it was refused with a reason on err.
    bool RunKind(class TReportRuns& runs, TDataAccessFacade& facade, QTextStream& err);

    QString m_kind;
    QString m_out;
    DateTime m_today;
    DateTime m_date;
    int m_month = 0;
    int m_year = 0;
    int m_debtor = 0;
    int m_credit = 0;
    int m_payment = 0;
};
