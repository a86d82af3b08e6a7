#pragma once

#include "ToolCommand.h"

// varnel-tool last-database [FILE]: the loan book Varnel opens next, as its
// own settings store keeps it. Without a file it prints the one recorded (a
// failure when Varnel has no settings yet); with one it records that file.
class TLastDatabaseCommand : public TToolCommand
{
public:
    QString Name() const override { return QStringLiteral("last-database"); }
    QString Synopsis() const override { return QStringLiteral("[ФАЙЛ]"); }

protected:
    int FileCount() const override { return 1; }
    void ReadOptions(TToolOptions& options) override;
    int Execute(QTextStream& out, QTextStream& err) override;

private:
    QString m_fileName;
};
