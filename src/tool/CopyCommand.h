#pragma once

#include "ToolCommand.h"

// varnel-tool copy FROM TO: a whole loan book from a file to a server book or
// back, into a new file or an empty server book (see CopyLoanBook).
class TCopyCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("copy"); }
    QString Synopsis() const override { return QStringLiteral("ОТКУДА КУДА"); }

protected:
    int FileCount() const override { return 2; }
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    QString m_from;
    QString m_to;
};
