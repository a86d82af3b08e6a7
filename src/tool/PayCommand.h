#pragma once

#include "LoanBookCommand.h"

#include "domain/DateTime.h"
#include "domain/Money.h"

// varnel-tool pay FILE --credit ID --amount SUM [--recalculate] [--today YYYY-MM-DD]: a payment
// received now (or on that day); prints the cash order's number. What it pays ahead of the
// schedule is kept for the next instalments, or with --recalculate rebuilds the schedule.
class TPayCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("pay"); }
    QString Synopsis() const override;

protected:
    QStringList OptionNames() const override;
    QStringList FlagNames() const override { return { QStringLiteral("recalculate") }; }
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    int m_creditID = -1;
    Money m_amount;
    bool m_recalculate = false;
    DateTime m_today;
};
