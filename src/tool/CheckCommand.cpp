#include "CheckCommand.h"

int TCheckCommand::Work(TDataAccessFacade& /*facade*/, QTextStream& out, QTextStream& /*err*/)
{
    out << "ok\n";
    return ecSuccess;
}
