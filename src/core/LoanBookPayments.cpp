// The loan book's operations on payments.

#include "LoanBook.h"

#include "domain/BookChangedException.h"
#include "domain/PaymentRules.h"
#include "data/LoanBookStore.h"
#include "domain/Clock.h"
#include "domain/Exception.h"
#include "domain/ScheduleRecalculation.h"

#include <algorithm>

namespace {

// The instalment a payment made now goes against: the first one due from
// today on, or past the schedule's end its last one, so that the arrears
// still show as owed.
TPaymentScheduleItem DueRow(ILoanBookStore& store, int creditID, const TPaymentSchedule& schedule)
{
    TPaymentScheduleItem row;
    store.LoadScheduleFromDate(creditID, row, Clock::Now());
    if (row.GetID() == -1 && schedule.Count() > 0)
        row.Assign(schedule.Items(schedule.Count() - 1));
    return row;
}

}

TPaymentCase TLoanBook::OpenPayment(const TCreditPicture& listed)
{
    const auto reading = m_store.BeginRead();
    TPaymentCase payment;
    const int debtorID = m_store.LoadCredit(listed.CreditID, payment.Credit);
    if (debtorID == -1)
        throw EBookChangedException::CreditDeleted();
    m_store.LoadPaymentSchedule(listed.CreditID, payment.Schedule);
    payment.Picture = TCreditPicture::Of(debtorID, payment.Credit, payment.Schedule);
    // A payment taken in a list read before the credit was deleted and its key
    // given to another never lands on that other credit.
    if (!listed.SameCredit(payment.Picture))
        throw EBookChangedException::CreditChanged();
    payment.DueRow = DueRow(m_store, listed.CreditID, payment.Schedule);
    TPaymentHistoryItem last;
    if (m_store.LoadLatestPayment(listed.CreditID, last, nullptr))
        payment.LastPayment = last;
    reading->Commit();
    return payment;
}

TPaymentHistoryItem TLoanBook::RecordPayment(const TCreditPicture& seen, Money amount, bool rebuild)
{
    const auto transaction = m_store.BeginWrite();
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
        m_store.LoadPaymentSchedule(credit.GetID(), stored);
        const TPaymentScheduleItem due = DueRow(m_store, credit.GetID(), stored);
        const Money ahead = PaymentRules::AheadPart(credit, due, amount);
        if (ahead > Money()) {
            TPaymentSchedule rebuilt;
            ApplyAheadPayment(&credit, &due, &stored, ahead, &rebuilt);
            credit.FullMustBePaymentSum = rebuilt.SumOfAnnua();
            m_store.UpdateCredit(credit);
            m_store.SaveScheduleChanges(credit.GetID(), rebuilt);
            payment.PaymentSum = std::max(amount - ahead, Money());
            payment.AheadSum = ahead;
        }
    }
    m_store.InsertPayment(credit.GetID(), payment);
    transaction->Commit();
    return payment;
}

void TLoanBook::CancelLatestPayment(int creditID, int paymentID)
{
    const auto transaction = m_store.BeginWrite();
    m_store.LockCredit(creditID);
    // Deleted by another clerk since the payments were shown.
    if (!m_store.CreditExists(creditID))
        throw EBookChangedException::CreditDeleted();
    TPaymentHistoryItem latest;
    // Decided on what the book holds now, not on what the clerk was shown.
    if (!m_store.LoadLatestPayment(creditID, latest, nullptr) || latest.GetID() != paymentID)
        throw EBookChangedException(PaymentRules::NoLongerLatestMessage());
    if (PaymentRules::RebuiltSchedule(latest))
        throw Exception(PaymentRules::RebuiltScheduleMessage());
    m_store.DeletePayment(paymentID);
    transaction->Commit();
}
