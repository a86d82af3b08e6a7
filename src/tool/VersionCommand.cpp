#include "VersionCommand.h"

#include "domain/ProgramVersion.h"

void TVersionCommand::ReadOptions(TToolOptions& /*options*/)
{
}

int TVersionCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    out << QStringLiteral("varnel-tool %1").arg(ProgramVersion()) << '\n';
    return ecSuccess;
}
