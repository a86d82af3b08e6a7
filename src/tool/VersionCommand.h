#pragma once

#include "ToolCommand.h"

// varnel-tool --version: the version of the build, as the program and its
// About box show it.
class TVersionCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("--version"); }
    QString Synopsis() const override { return QString(); }

protected:
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;
};
