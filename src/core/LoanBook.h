#pragma once

#include "CreditPicture.h"
#include "PaymentCase.h"
#include "domain/DateTime.h"
#include "domain/Money.h"

class IRandomGenerator;
class TCredit;
class ILoanBookStore;
class TDebtor;
class TPaymentHistoryItem;
class TPaymentSchedule;

// The loan book's operations. Each is one transaction that writes what belongs
// together and keeps the stored totals (a credit's FullMustBePaymentSum is its
// schedule's sum; its PaymentsSum and overdue counters are kept by the file's
// triggers). An operation that decides on what the clerk saw is handed that
// picture and compares it with the book inside its transaction: when the book
// changed meanwhile it writes nothing and raises EBookChangedException. A
// refused input raises Exception with the reason; either way nothing is written.
class TLoanBook
{
public:
    // The store is borrowed: a file or a server book.
    explicit TLoanBook(ILoanBookStore& store);

    ILoanBookStore& Store() const { return m_store; }

    // Debtors (LoanBook.cpp). The debtor gets its new key.
    void AddDebtor(TDebtor& debtor);
    // Stores the changed details over those seen, if they are still the stored ones.
    void ChangeDebtor(const TDebtor& seen, const TDebtor& changed);
    // The debtor with every credit, schedule and payment of his, if the key
    // still belongs to the person seen.
    void DeleteDebtor(const TDebtor& seen);

    // Credits (LoanBookCredits.cpp).
    // Stores a credit on the terms with its annuity schedule from the contract
    // date; the credit gets its key and total, the schedule its rows.
    void AddCredit(int debtorID, TCredit& credit, TPaymentSchedule& schedule);
    // The credit as stored now, with its schedule's shape; raises when it is gone.
    TCreditPicture SeeCredit(int creditID);
    // A respite on the schedule's row: that month pays its interest only.
    void GrantRespite(const TCreditPicture& seen, int scheduleRowID);
    // The credit with its schedule and payments.
    void DeleteCredit(const TCreditPicture& seen);
    // A random credit of the book and its borrower; false when the book has none.
    bool PickRandomCredit(IRandomGenerator& random, TDebtor& debtor, TCredit& credit);

    // Payments (LoanBookPayments.cpp).
    // What a payment on the credit listed is decided on; raises when the book
    // holds another credit under its key, or none.
    TPaymentCase OpenPayment(const TCreditPicture& listed);
    // Records the amount received now against the credit seen. With rebuild,
    // the part ahead of the schedule is recorded as AheadSum and rebuilds the
    // rest of the schedule; without, the whole amount is kept for the next
    // instalments. Returns the payment; its key is the cash order's number.
    TPaymentHistoryItem RecordPayment(const TCreditPicture& seen, Money amount, bool rebuild);
    static QString NoPaymentsMessage() { return QStringLiteral("По этому кредиту нет платежей."); }
    // Takes the credit's latest payment back; refused when that is no longer
    // the payment seen, or it rebuilt the schedule.
    void CancelLatestPayment(int creditID, int paymentID);

private:
    // The stored credit and the book's picture of it; raises when it is gone.
    TCreditPicture LookAt(int creditID, TCredit& credit);
    // The same, inside the running transaction, checked against the picture seen.
    TCreditPicture CheckedCredit(const TCreditPicture& seen, TCredit& credit);

    ILoanBookStore& m_store;
};
