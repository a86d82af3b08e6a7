#pragma once

#include "ToolCommand.h"

#include "domain/Credit.h"
#include "domain/Money.h"

// varnel-tool schedule: a credit's annuity schedule in the terminal, optionally
// rebuilt after an advance or a respite at one of its rows.
class TScheduleCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("schedule"); }
    QString Synopsis() const override;

protected:
    QStringList OptionNames() const override;
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    TCredit m_credit;
    bool m_ahead = false;
    bool m_respite = false;
    Money m_advance;
    int m_pivotNumber = 0; // 1-based row of the schedule as first built
};
