#pragma once

#include "LoanBookCommand.h"

// varnel-tool cancel-payment FILE --credit ID: takes the credit's latest payment back
// (refused after a rebuilt schedule, as in the window).
class TCancelPaymentCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("cancel-payment"); }
    QString Synopsis() const override { return QStringLiteral("ФАЙЛ --credit КОД"); }

protected:
    QStringList OptionNames() const override { return { QStringLiteral("credit") }; }
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    int m_creditID = -1;
};
