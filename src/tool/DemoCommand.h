#pragma once

#include "ToolCommand.h"

#include "domain/DateTime.h"

// varnel-tool demo: a new loan book filled with a plausible demo content, for
// trying the program out and for the benchmark.
class TDemoCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("demo"); }
    QString Synopsis() const override
    {
        return QStringLiteral("ФАЙЛ [--debtors N] [--seed ЗЕРНО] [--today ГГГГ-ММ-ДД]");
    }

protected:
    QStringList OptionNames() const override;
    int FileCount() const override { return 1; }
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    QString m_fileName;
    int m_debtors = 0;
    int m_seed = 1;
    DateTime m_today;
};
