// The loan book's operations on debtors.

#include "LoanBook.h"

#include "domain/BookChangedException.h"
#include "domain/DebtorDetails.h"
#include "data/DataAccessFacade.h"
#include "sqlite/TransactionScope.h"
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

TLoanBook::TLoanBook(TDataAccessFacade& facade)
    : m_facade(facade)
{
}

void TLoanBook::AddDebtor(TDebtor& debtor)
{
    RefuseMissingDetails(debtor);
    m_facade.InsertDebtor(debtor);
}

void TLoanBook::ChangeDebtor(const TDebtor& seen, const TDebtor& changed)
{
    RefuseMissingDetails(changed);
    TTransactionScope transaction(m_facade.Connection());
    if (!m_facade.DebtorExists(seen.GetID()))
        throw EBookChangedException::DebtorDeleted();
    TDebtor stored;
    stored.SetID(seen.GetID());
    m_facade.LoadDebtor(stored);
    if (!DebtorDetails::Same(stored, seen))
        throw EBookChangedException::DebtorChanged();
    TDebtor written = changed;
    written.SetID(seen.GetID());
    m_facade.UpdateDebtor(written);
    transaction.Commit();
}

void TLoanBook::DeleteDebtor(const TDebtor& seen)
{
    TTransactionScope transaction(m_facade.Connection());
    const int debtorID = seen.GetID();
    if (!m_facade.DebtorExists(debtorID))
        throw EBookChangedException::DebtorDeleted();
    TDebtor stored;
    stored.SetID(debtorID);
    m_facade.LoadDebtor(stored);
    // Another person under the key (one deleted, a new one given its key) is never deleted for him.
    if (!DebtorDetails::SamePerson(stored, seen))
        throw EBookChangedException::DebtorChanged();
    TCreditsList credits;
    m_facade.LoadDebtorCredits(debtorID, credits);
    for (const auto& credit : credits) {
        m_facade.DeleteCreditPayments(credit->GetID());
        m_facade.DeleteCreditSchedule(credit->GetID());
    }
    m_facade.DeleteDebtorCredits(debtorID);
    m_facade.DeleteDebtor(debtorID);
    transaction.Commit();
}
