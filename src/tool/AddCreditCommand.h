#pragma once

#include "LoanBookCommand.h"

#include "domain/Credit.h"

// varnel-tool add-credit FILE --debtor ID --size SUM --period MONTHS --rate PERCENT --day DAY
// --start YYYY-MM-DD [--contract NUMBER]: a credit with its schedule; prints its code.
class TAddCreditCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("add-credit"); }
    QString Synopsis() const override;

protected:
    QStringList OptionNames() const override;
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    int m_debtorID = -1;
    TCredit m_credit;
};
