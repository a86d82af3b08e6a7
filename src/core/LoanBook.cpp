// The loan book's operations on debtors.

#include "LoanBook.h"

#include "domain/BookChangedException.h"
#include "domain/DebtorDetails.h"
#include "data/LoanBookStore.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"

namespace {

void RefuseMissingDetails(const TDebtor& debtor)
{
    const QString fault = DebtorDetails::Fault(debtor);
    if (!fault.isEmpty())
        throw Exception(fault);
}

}

TLoanBook::TLoanBook(ILoanBookStore& store)
    : m_store(store)
{
}

void TLoanBook::AddDebtor(TDebtor& debtor)
{
    RefuseMissingDetails(debtor);
    m_store.InsertDebtor(debtor);
}

void TLoanBook::ChangeDebtor(const TDebtor& seen, const TDebtor& changed)
{
    RefuseMissingDetails(changed);
    const auto transaction = m_store.BeginWrite();
    m_store.LockDebtor(seen.GetID());
    if (!m_store.DebtorExists(seen.GetID()))
        throw EBookChangedException::DebtorDeleted();
    TDebtor stored;
    stored.SetID(seen.GetID());
    m_store.LoadDebtor(stored);
    if (!DebtorDetails::Same(stored, seen))
        throw EBookChangedException::DebtorChanged();
    TDebtor written = changed;
    written.SetID(seen.GetID());
    m_store.UpdateDebtor(written);
    transaction->Commit();
}

void TLoanBook::DeleteDebtor(const TDebtor& seen)
{
    const auto transaction = m_store.BeginWrite();
    const int debtorID = seen.GetID();
    m_store.LockDebtor(debtorID);
    if (!m_store.DebtorExists(debtorID))
        throw EBookChangedException::DebtorDeleted();
    TDebtor stored;
    stored.SetID(debtorID);
    m_store.LoadDebtor(stored);
    // Another person under the key (one deleted, a new one given its key) is never deleted for him.
    if (!DebtorDetails::SamePerson(stored, seen))
        throw EBookChangedException::DebtorChanged();
    TCreditsList credits;
    m_store.LoadDebtorCredits(debtorID, credits);
    for (const auto& credit : credits) {
        m_store.DeleteCreditPayments(credit->GetID());
        m_store.DeleteCreditSchedule(credit->GetID());
    }
    m_store.DeleteDebtorCredits(debtorID);
    m_store.DeleteDebtor(debtorID);
    transaction->Commit();
}
