#pragma once

#include "DBVersionChecker.h"
#include "UpdateSchedulesDelayInterface.h"
#include "domain/DateTime.h"
#include "domain/Money.h"
#include "sqlite/ResultSet.h"

#include <QString>

#include <memory>

class TCompany;
class TCredit;
class TCreditsList;
class TDebtor;
class TPaymentHistoryItem;
class TPaymentSchedule;
class TPaymentScheduleItem;
class TSQLiteConnection;

// One transaction on a loan book, begun by ILoanBookStore. Left without
// Commit (a failure, an exception) it undoes everything written since it
// began. Begun while another runs on the same store, it joins that one.
class IBookTransaction
{
public:
    virtual ~IBookTransaction() = default;
    virtual void Commit() = 0;
};

// A loan book as the core, the window's lists and the documents see it,
// whatever holds it: a file (TDataAccessFacade) or a server database
// (TServerDataAccessFacade). Both give the same records, the same rows under
// the same column names and the same totals. Records are handed by reference;
// an operation on a row that is not there raises.
class ILoanBookStore : public IDBVersionChecker, public IUpdateSchedulesDelayInterface
{
public:
    virtual ~ILoanBookStore() = default;

    // The book as the window names it: the file's path, or the server book's
    // database, user and server.
    virtual QString BookName() const = 0;
    // The file behind a file book; nothing for a server book.
    virtual TSQLiteConnection* FileConnection() = 0;
    // Whether someone else wrote to the book since the last look (the first
    // look after opening counts what came before it). Never waits for a lock.
    virtual bool WrittenElsewhere() = 0;

    // A writing transaction: what is read inside it stays as read until it
    // ends, as far as the Lock* calls made inside it say.
    virtual std::unique_ptr<IBookTransaction> BeginWrite() = 0;
    // A reading transaction: everything read inside it belongs to one state of the book.
    virtual std::unique_ptr<IBookTransaction> BeginRead() = 0;
    // Inside a writing transaction: nobody else changes the credit (its row,
    // schedule and payments), or the debtor, until the transaction ends.
    virtual void LockCredit(int creditID) = 0;
    virtual void LockDebtor(int debtorID) = 0;

    virtual bool DebtorExists(int debtorID) = 0;
    virtual bool CreditExists(int creditID) = 0;
    virtual bool CompanyExists() = 0;

    // Debtors. A new debtor gets its key.
    virtual bool LoadDebtor(TDebtor& debtor) = 0;
    virtual void InsertDebtor(TDebtor& debtor) = 0;
    virtual void UpdateDebtor(TDebtor& debtor) = 0;
    virtual void DeleteDebtor(int debtorID) = 0;
    virtual int GetMaxDebtorID() = 0;

    // Credits.
    virtual void LoadDebtorCredits(int debtorID, TCreditsList& credits) = 0;
    // The stored credit under the key and its debtor's key; -1 (the credit untouched) when there is none.
    virtual int LoadCredit(int creditID, TCredit& credit) = 0;
    // How many rows the credit's schedule has and the largest of their keys (-1 without rows).
    virtual void LoadScheduleShape(int creditID, int& rows, int& lastRowID) = 0;
    virtual void InsertCredit(int debtorID, TCredit& credit) = 0;
    virtual void UpdateCredit(TCredit& credit) = 0;
    virtual void DeleteCredit(int creditID) = 0;
    virtual void DeleteDebtorCredits(int debtorID) = 0;

    // Schedule rows. New rows get keys above every key the table ever held.
    virtual bool LoadPaymentSchedule(int creditID, TPaymentSchedule& schedule) = 0;
    // The first row due on the date's day or later (the row untouched when there is none).
    virtual bool LoadScheduleFromDate(int creditID, TPaymentScheduleItem& item, const DateTime& date) = 0;
    virtual void InsertPaymentSchedule(int creditID, TPaymentSchedule& schedule) = 0;
    // Writes a rebuilt schedule: its rows flagged Deleted go, its new rows
    // (key -1) are inserted, its rows flagged Modified are updated.
    virtual void SaveScheduleChanges(int creditID, TPaymentSchedule& schedule) = 0;
    virtual void DeleteCreditSchedule(int creditID) = 0;

    // Payments. A new payment's key is its cash order's number, never given twice.
    virtual void InsertPayment(int creditID, TPaymentHistoryItem& payment) = 0;
    virtual bool LoadLastPayment(int creditID, TPaymentHistoryItem& payment) = 0;
    virtual void DeleteCreditPayments(int creditID) = 0;
    // The credit's latest payment, in full, and the number of its cash order;
    // false when the credit has no payment.
    virtual bool LoadLatestPayment(int creditID, TPaymentHistoryItem& payment, QString* orderNumber) = 0;
    // The payment goes; the credit's total follows. Its key is never given again.
    virtual void DeletePayment(int paymentID) = 0;

    // The lender's details.
    virtual void LoadCompany(TCompany& company) = 0;
    virtual void SaveCompany(TCompany& company) = 0;

    // Overdue indexing; today and now come from the clock.
    virtual DateTime GetLastSchedulesDelayUpdate() = 0;
    // The daily indexing: runs UpdateSchedulesDelay unless the last one is
    // no more than `hours` whole hours away from now, either way. Programs
    // sharing the book never index it twice at once, and the one that comes
    // second finds it done. True when this call indexed.
    virtual bool UpdateSchedulesDelayWhenDue(int hours) = 0;
    // Whether an indexing last run then is due: more than `hours` whole hours
    // away from now, either way (a last indexing far in the future is as stale).
    static bool IndexingDue(const DateTime& last, int hours);


    // Lists and documents. The result sets are the caller's; a scalar that
    // does not read as money counts as 0.
    virtual std::unique_ptr<TResultSet> OpenDebtorsListQuery() = 0;
    // Conditions on the debtors list: the typed words begin the surname, the
    // name and the patronymic, in this order, letter case aside and Ё read as
    // Е (words past the third belong to the patronymic; no word: no condition);
    // debtors with an open overdue instalment.
    virtual TFilterCondition DebtorsNameCondition(const QString& typed) const = 0;
    virtual TFilterCondition ProbableDefaultersCondition() const;
    virtual std::unique_ptr<TResultSet> OpenDebtorStatementQuery(int debtorID) = 0;
    virtual std::unique_ptr<TResultSet> OpenStatisticsQuery() = 0;
    virtual std::unique_ptr<TResultSet> OpenCreditScheduleQuery(int creditID) = 0;
    virtual std::unique_ptr<TResultSet> OpenDebtorsForDateQuery(const DateTime& date) = 0;
    virtual std::unique_ptr<TResultSet> OpenInsolventQuery(const DateTime& date) = 0;
    virtual Money GetMonthPaymentForecast(int month, int year) = 0;
    virtual Money GetMonthPaymentsTotal(int month, int year) = 0;
    virtual std::unique_ptr<TResultSet> OpenPaymentOrderQuery(int paymentID) = 0;
    virtual std::unique_ptr<TResultSet> OpenCreditPaymentsQuery(int creditID) = 0;
    virtual std::unique_ptr<TResultSet> OpenPaymentsForDateQuery(const DateTime& date) = 0;

protected:
    // DebtorsNameCondition with the engine's comparison of a column with its
    // typed word: SQL in which %1 stands for the column and :%1Prefix for the
    // word, a bound value (quotes or SQL typed never reach the statement).
    static TFilterCondition NamePrefixCondition(const QString& typed, const QString& comparison);
};
