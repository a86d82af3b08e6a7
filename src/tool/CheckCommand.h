#pragma once

#include "LoanBookCommand.h"

// varnel-tool check FILE: the start-up's version check; prints "ok" when it passes.
class TCheckCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("check"); }
    QString Synopsis() const override { return QStringLiteral("ФАЙЛ"); }

protected:
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;
};
