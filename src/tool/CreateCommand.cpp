#include "CreateCommand.h"

#include "LoanBookCommand.h"
#include "ToolOptions.h"

#include "data/LoanBookFile.h"

void TCreateCommand::ReadOptions(TToolOptions& options)
{
    m_fileName = options.RequireFile(TLoanBookCommand::FileMissingText());
}

int TCreateCommand::Execute(QTextStream& /*out*/, QTextStream& /*err*/)
{
    CreateLoanBookFile(m_fileName);
    return ecSuccess;
}
