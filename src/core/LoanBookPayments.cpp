// The loan book's operations on payments.

#include "LoanBook.h"

#include "domain/BookChangedException.h"
#include "domain/PaymentRules.h"
#include "data/DataAccessFacade.h"
#include "sqlite/TransactionScope.h"
#include "domain/Clock.h"
#include "domain/Exception.h"
#include "domain/ScheduleRecalculation.h"

#include <algorithm>

namespace {

// The instalment a payment made now goes against: the first one due from
// today on, or past the schedule's end its last one, so that the arrears
// still show as owed.
TPaymentScheduleItem DueRow(TDataAccessFacade& facade, int creditID, const TPaymentSchedule& schedule)
{
    TPaymentScheduleItem row;
    facade.LoadScheduleFromDate(creditID, row, Clock::Now());
    if (row.GetID() == -1 && schedule.Count() > 0)
        row.Assign(schedule.Items(schedule.Count() - 1));
    return row;
}

}

TPaymentCase TLoanBook::OpenPayment(const TCreditPicture& listed)
{
    TTransactionScope reading(m_facade.Connection(), TTransactionScope::TKind::Deferred);
    TPaymentCase payment;
    const int debtorID = m_facade.LoadCredit(listed.CreditID, payment.Credit);
    if (debtorID == -1)
        throw EBookChangedException::CreditDeleted();
    m_facade.LoadPaymentSchedule(listed.CreditID, payment.Schedule);
    payment.Picture = TCreditPicture::Of(debtorID, payment.Credit, payment.Schedule);
    // A payment taken in a list read before the credit was deleted and its key
    // given to another never lands on that other credit.
    if (!listed.SameCredit(payment.Picture))
        throw EBookChangedException::CreditChanged();
    payment.DueRow = DueRow(m_facade, listed.CreditID, payment.Schedule);
    TPaymentHistoryItem last;
    if (m_facade.LoadLatestPayment(listed.CreditID, last, nullptr))
        payment.LastPayment = last;
    reading.Commit();
    return payment;
}

TPaymentHistoryItem TLoanBook::RecordPayment(const TCreditPicture& seen, Money amount, bool rebuild)
{
    TTransactionScope transaction(m_facade.Connection());
    TCredit credit;
    const TCreditPicture now = CheckedCredit(seen, credit);
    const QString fault = PaymentRules::AmountFault(credit, amount);
    // Paid meanwhile by another clerk: the amount was decided on a debt that is no more.
    if (!fault.isEmpty() && !seen.SamePayments(now))
        throw EBookChangedException::CreditChanged();
    if (!fault.isEmpty())
        throw Exception(fault);
    TPaymentHistoryItem payment;
    payment.PaymentDate = Clock::Now();
    payment.PaymentSum = amount;
    if (rebuild) {
        // The rebuild is decided on the advance the clerk was shown, which the total paid sets.
        if (!seen.SamePayments(now))
            throw EBookChangedException::CreditChanged();
        TPaymentSchedule stored;
        m_facade.LoadPaymentSchedule(credit.GetID(), stored);
        const TPaymentScheduleItem due = DueRow(m_facade, credit.GetID(), stored);
        const Money ahead = PaymentRules::AheadPart(credit, due, amount);
        if (ahead > Money()) {
            TPaymentSchedule rebuilt;
            ApplyAheadPayment(&credit, &due, &stored, ahead, &rebuilt);
            credit.FullMustBePaymentSum = rebuilt.SumOfAnnua();
            m_facade.UpdateCredit(credit);
            m_facade.SaveScheduleChanges(credit.GetID(), rebuilt);
            payment.PaymentSum = std::max(amount - ahead, Money());
            payment.AheadSum = ahead;
        }
    }
    m_facade.InsertPayment(credit.GetID(), payment);
    transaction.Commit();
    return payment;
}

void TLoanBook::CancelLatestPayment(int creditID, int paymentID)
{
    m_facade.CancelLatestPayment(creditID, paymentID);
}
