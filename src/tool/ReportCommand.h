#pragma once

#include "LoanBookCommand.h"

#include "domain/DateTime.h"
#include "reports/ReportRuns.h"

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
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    QString m_kind;
    QString m_out;
    DateTime m_today;
    // The date given (or today), the month, the year and the codes.
    TReportInput m_input;
};
