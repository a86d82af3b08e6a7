#pragma once

#include "ToolCommand.h"

// varnel-tool decline --case N TEXT: a full name in case 1..6; decline --sex
// TEXT: the sex the name tells (1 male, 2 female, 0 unknown). Through the
// declension library beside the program and the program's own adapter.
class TDeclineCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("decline"); }
    QString Synopsis() const override { return QStringLiteral("--case N ТЕКСТ | --sex ТЕКСТ"); }

protected:
    QStringList OptionNames() const override { return { QStringLiteral("case"), QStringLiteral("sex") }; }
    // The words of a full name may come as separate arguments.
    int FileCount() const override { return 8; }
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    QString m_text;
    int m_case = 0; // 0: tell the sex
};
