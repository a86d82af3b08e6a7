#pragma once

#include "LoanBookCommand.h"

// varnel-tool delete-debtor FILE --debtor ID: the debtor with every credit, schedule and payment of his.
class TDeleteDebtorCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("delete-debtor"); }
    QString Synopsis() const override { return QStringLiteral("ФАЙЛ --debtor КОД"); }

protected:
    QStringList OptionNames() const override { return { QStringLiteral("debtor") }; }
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    int m_debtorID = -1;
};
