#include "CancelPaymentCommand.h"

#include "ToolOptions.h"

#include "core/LoanBook.h"
#include "data/DataAccessFacade.h"
#include "data/DataExceptions.h"
#include "domain/PaymentHistoryItem.h"

void TCancelPaymentCommand::ReadBookOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("credit"), m_creditID);
}

int TCancelPaymentCommand::Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err)
{
    if (!facade.CreditExists(m_creditID))
        throw ECreditNotExistsException(m_creditID);
    TPaymentHistoryItem latest;
    if (!facade.LoadLatestPayment(m_creditID, latest, nullptr)) {
        err << TLoanBook::NoPaymentsMessage() << '\n';
        return ecFailure;
    }
    TLoanBook(facade).CancelLatestPayment(m_creditID, latest.GetID());
    out << QStringLiteral("Платёж по ордеру № %1 отменён.").arg(latest.GetID()) << '\n';
    return ecSuccess;
}
