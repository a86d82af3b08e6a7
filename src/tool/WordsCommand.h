#pragma once

#include "ToolCommand.h"

#include "domain/Money.h"

// varnel-tool words AMOUNT: the amount in words as a payment order states it,
// from the exact decimal amount.
class TWordsCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("words"); }
    QString Synopsis() const override { return QStringLiteral("СУММА"); }

protected:
    int FileCount() const override { return 1; }
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    Money m_amount;
};
