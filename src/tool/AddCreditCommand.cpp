#include "AddCreditCommand.h"

#include "ToolOptions.h"

#include "core/LoanBook.h"
#include "data/DataAccessFacade.h"
#include "data/DataExceptions.h"
#include "domain/PaymentSchedule.h"

QString TAddCreditCommand::Synopsis() const
{
    return QStringLiteral("ФАЙЛ --debtor КОД --size СУММА --period МЕСЯЦЕВ --rate ПРОЦЕНТ_ГОДОВЫХ --day ЧИСЛО_МЕСЯЦА "
                          "--start ГГГГ-ММ-ДД [--contract НОМЕР_ДОГОВОРА]");
}

QStringList TAddCreditCommand::OptionNames() const
{
    return { QStringLiteral("debtor"), QStringLiteral("size"),  QStringLiteral("period"),  QStringLiteral("rate"),
             QStringLiteral("day"),    QStringLiteral("start"), QStringLiteral("contract") };
}

void TAddCreditCommand::ReadBookOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("debtor"), m_debtorID);
    options.Read(QStringLiteral("size"), m_credit.CreditSize);
    options.Read(QStringLiteral("period"), m_credit.CreditPeriod);
    options.Read(QStringLiteral("rate"), m_credit.YearPercent);
    options.Read(QStringLiteral("day"), m_credit.PaymentDay);
    options.Read(QStringLiteral("start"), m_credit.ContractDate);
    // A contract without a number of its own, as offices write it.
    m_credit.ContractNumber = QStringLiteral("б/н");
    options.Read(QStringLiteral("contract"), m_credit.ContractNumber, false);
}

int TAddCreditCommand::Work(ILoanBookStore& facade, QTextStream& out, QTextStream& /*err*/)
{
    if (!facade.DebtorExists(m_debtorID))
        throw EDebtorNotExistsException(m_debtorID);
    TPaymentSchedule schedule;
    TLoanBook(facade).AddCredit(m_debtorID, m_credit, schedule);
    out << m_credit.GetID() << '\n';
    return ecSuccess;
}
