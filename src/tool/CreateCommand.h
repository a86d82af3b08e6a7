#pragma once

#include "ToolCommand.h"

// varnel-tool create FILE: a new, empty loan book; an existing file is refused.
// varnel-tool create postgresql://...: the same in a server database; one that
// already has the book's tables is refused.
class TCreateCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("create"); }
    QString Synopsis() const override { return QStringLiteral("ФАЙЛ"); }

protected:
    int FileCount() const override { return 1; }
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    QString m_fileName;
};
