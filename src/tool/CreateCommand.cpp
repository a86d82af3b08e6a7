#include "CreateCommand.h"

#include "LoanBookCommand.h"
#include "ToolOptions.h"

#include "data/LoanBookFile.h"
#include "postgres/PgConnection.h"
#include "postgres/ServerSchema.h"

void TCreateCommand::ReadOptions(TToolOptions& options)
{
    m_fileName = options.RequireFile(TLoanBookCommand::FileMissingText());
}

int TCreateCommand::Execute(QTextStream& /*out*/, QTextStream& /*err*/)
{
    if (TPgConnection::IsServerAddress(m_fileName)) {
        TPgConnection connection(m_fileName);
        CreateServerBook(connection);
    } else {
        CreateLoanBookFile(m_fileName);
    }
    return ecSuccess;
}
