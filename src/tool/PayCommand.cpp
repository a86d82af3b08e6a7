#include "PayCommand.h"

#include "DayClock.h"
#include "ToolOptions.h"

#include "core/LoanBook.h"
#include "data/DataAccessFacade.h"
#include "data/DataExceptions.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/ScopedClock.h"

QString TPayCommand::Synopsis() const
{
    return QStringLiteral("ФАЙЛ --credit КОД --amount СУММА [--recalculate] [--today ГГГГ-ММ-ДД]");
}

QStringList TPayCommand::OptionNames() const
{
    return { QStringLiteral("credit"), QStringLiteral("amount"), QStringLiteral("today") };
}

void TPayCommand::ReadBookOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("credit"), m_creditID);
    options.Read(QStringLiteral("amount"), m_amount);
    m_recalculate = options.Flag(QStringLiteral("recalculate"));
    m_today = DateTime(QDate::currentDate());
    options.Read(QStringLiteral("today"), m_today, false);
}

int TPayCommand::Work(ILoanBookStore& facade, QTextStream& out, QTextStream& /*err*/)
{
    if (!facade.CreditExists(m_creditID))
        throw ECreditNotExistsException(m_creditID);
    const TDayClock clock(m_today.Date());
    const TScopedClock inPlace(clock);
    TLoanBook book(facade);
    const TPaymentHistoryItem payment = book.RecordPayment(book.SeeCredit(m_creditID), m_amount, m_recalculate);
    out << payment.GetID() << '\n';
    return ecSuccess;
}
