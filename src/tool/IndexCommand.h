#pragma once

#include "LoanBookCommand.h"

#include "domain/DateTime.h"

// varnel-tool index FILE [--today YYYY-MM-DD]: the overdue indexing as of that day.
class TIndexCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("index"); }
    QString Synopsis() const override { return QStringLiteral("ФАЙЛ [--today ГГГГ-ММ-ДД]"); }

protected:
    QStringList OptionNames() const override { return { QStringLiteral("today") }; }
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    DateTime m_today;
};
