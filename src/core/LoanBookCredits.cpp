// The loan book's operations on credits and their schedules.

#include "LoanBook.h"

#include "domain/BookChangedException.h"
#include "domain/CreditTerms.h"
#include "data/LoanBookStore.h"
#include "domain/Clock.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"
#include "domain/RandomGenerator.h"
#include "domain/ScheduleCalculation.h"
#include "domain/ScheduleRecalculation.h"

void TLoanBook::AddCredit(int debtorID, TCredit& credit, TPaymentSchedule& schedule)
{
    const QString fault = CreditTerms::Fault(credit);
    if (!fault.isEmpty())
        throw Exception(fault);
    TPaymentSchedule built;
    TCredit terms;
    terms.Assign(&credit);
    BuildSchedule(&built, &terms, terms.ContractDate);
    const auto transaction = m_store.BeginWrite();
    // Not deleted meanwhile by another clerk, with the credit half-stored.
    m_store.LockDebtor(debtorID);
    if (!m_store.DebtorExists(debtorID))
        throw EBookChangedException::DebtorDeleted();
    // A credit is never stored without its schedule, nor with another total.
    terms.FullMustBePaymentSum = built.SumOfAnnua();
    m_store.InsertCredit(debtorID, terms);
    m_store.InsertPaymentSchedule(terms.GetID(), built);
    transaction->Commit();
    credit.Assign(&terms);
    // The rows as stored, with their keys.
    m_store.LoadPaymentSchedule(credit.GetID(), schedule);
}

TCreditPicture TLoanBook::SeeCredit(int creditID)
{
    const auto reading = m_store.BeginRead();
    TCredit credit;
    const TCreditPicture picture = LookAt(creditID, credit);
    reading->Commit();
    return picture;
}

TCreditPicture TLoanBook::LookAt(int creditID, TCredit& credit)
{
    const int debtorID = m_store.LoadCredit(creditID, credit);
    if (debtorID == -1)
        throw EBookChangedException::CreditDeleted();
    int rows = 0;
    int lastRowID = -1;
    m_store.LoadScheduleShape(creditID, rows, lastRowID);
    return TCreditPicture::Of(debtorID, credit, rows, lastRowID);
}

TCreditPicture TLoanBook::CheckedCredit(const TCreditPicture& seen, TCredit& credit)
{
    // What is compared stays so until the decision is written.
    m_store.LockCredit(seen.CreditID);
    const TCreditPicture now = LookAt(seen.CreditID, credit);
    if (!seen.SameCredit(now) || !seen.SameSchedule(now))
        throw EBookChangedException::CreditChanged();
    return now;
}

void TLoanBook::GrantRespite(const TCreditPicture& seen, int scheduleRowID)
{
    const auto transaction = m_store.BeginWrite();
    TCredit credit;
    CheckedCredit(seen, credit);
    TPaymentSchedule stored;
    m_store.LoadPaymentSchedule(credit.GetID(), stored);
    const int pivot = stored.IndexOfID(scheduleRowID);
    // The last month has no months after it to take its principal; a month past is past.
    if (pivot == -1 || pivot == stored.Count() - 1 || stored.Items(pivot)->PaymentDate.Date() < Clock::Today().Date())
        throw Exception(QStringLiteral("Отсрочка возможна только для предстоящего платежа, кроме последнего."));
    TPaymentSchedule rebuilt;
    MakeRespite(&credit, stored.Items(pivot), &stored, &rebuilt);
    credit.FullMustBePaymentSum = rebuilt.SumOfAnnua();
    m_store.UpdateCredit(credit);
    m_store.SaveScheduleChanges(credit.GetID(), rebuilt);
    transaction->Commit();
}

void TLoanBook::DeleteCredit(const TCreditPicture& seen)
{
    const auto transaction = m_store.BeginWrite();
    TCredit credit;
    const TCreditPicture now = CheckedCredit(seen, credit);
    // A payment taken meanwhile is not deleted unseen.
    if (!seen.SamePayments(now))
        throw EBookChangedException::CreditChanged();
    m_store.DeleteCreditSchedule(seen.CreditID);
    m_store.DeleteCreditPayments(seen.CreditID);
    m_store.DeleteCredit(seen.CreditID);
    transaction->Commit();
}

bool TLoanBook::PickRandomCredit(IRandomGenerator& random, TDebtor& debtor, TCredit& credit)
{
    const int maxID = m_store.GetMaxDebtorID();
    if (maxID < 1)
        return false;
    const int drawn = random.Random(maxID);
    // From the drawn ID on, the first debtor with a credit: after a gap in the
    // IDs, or a debtor without credits, the next one is taken, past the last
    // ID from the first on. So the turn fails only when the book holds no credit.
    TCreditsList credits;
    for (int step = 0; step <= maxID; ++step) {
        const int id = (drawn + step) % (maxID + 1);
        if (!m_store.DebtorExists(id))
            continue;
        credits.Clear();
        m_store.LoadDebtorCredits(id, credits);
        if (credits.Count() == 0)
            continue;
        debtor.SetID(id);
        m_store.LoadDebtor(debtor);
        credit.Assign(credits.Items(random.Random(credits.Count())));
        return true;
    }
    return false;
}
