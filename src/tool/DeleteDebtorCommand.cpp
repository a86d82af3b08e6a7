#include "DeleteDebtorCommand.h"

#include "ToolOptions.h"

#include "core/LoanBook.h"
#include "data/DataAccessFacade.h"
#include "data/DataExceptions.h"
#include "domain/Debtor.h"

void TDeleteDebtorCommand::ReadBookOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("debtor"), m_debtorID);
}

int TDeleteDebtorCommand::Work(ILoanBookStore& facade, QTextStream& /*out*/, QTextStream& /*err*/)
{
    if (!facade.DebtorExists(m_debtorID))
        throw EDebtorNotExistsException(m_debtorID);
    TDebtor stored;
    stored.SetID(m_debtorID);
    facade.LoadDebtor(stored);
    TLoanBook(facade).DeleteDebtor(stored);
    return ecSuccess;
}
