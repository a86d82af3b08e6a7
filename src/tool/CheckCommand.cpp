#include "CheckCommand.h"

int TCheckCommand::Work(ILoanBookStore& /*facade*/, QTextStream& out, QTextStream& /*err*/)
{
    out << "ok\n";
    return ecSuccess;
}
