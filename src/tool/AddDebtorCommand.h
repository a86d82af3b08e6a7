#pragma once

#include "LoanBookCommand.h"

#include "domain/Debtor.h"

// varnel-tool add-debtor FILE --surname S --name N [...]: a new debtor; prints his code.
class TAddDebtorCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("add-debtor"); }
    QString Synopsis() const override;

protected:
    QStringList OptionNames() const override;
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    TDebtor m_debtor;
};
