#pragma once

#include "LoanBookStore.h"
#include "sqlite/ResultSet.h"
#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QList>
#include <QVariant>
#include <QString>
#include <QStringList>

#include <memory>

class TCompany;
class TCredit;
class TCreditsList;
class TDebtor;
class TPaymentHistoryItem;
class TPaymentSchedule;
class TPaymentScheduleItem;
class TSQLiteConnection;
class TSQLStatement;

// A loan book in one SQLite file: the one object through which the program
// reads and writes it. Every operation builds its own statement, runs it and discards it; every
// writing operation runs in a TTransactionScope, so it joins a transaction the
// caller has opened and leaves the file unchanged when it fails.
// Records are handed by reference; an operation on a row that is not there raises.
class TDataAccessFacade : public ILoanBookStore
{
public:
    TDataAccessFacade();
    ~TDataAccessFacade() override;
    TDataAccessFacade(const TDataAccessFacade&) = delete;
    TDataAccessFacade& operator=(const TDataAccessFacade&) = delete;

    TSQLiteConnection& Connection() { return *m_connection; }

    // The book (DataAccessFacade.cpp): its file, its transactions. The file
    // is written by one program at a time, so a writing transaction holds the
    // whole file from its start and the Lock* calls have nothing left to do.
    QString BookName() const override;
    TSQLiteConnection* FileConnection() override { return m_connection.get(); }
    bool WrittenElsewhere() override;
    std::unique_ptr<IBookTransaction> BeginWrite() override;
    std::unique_ptr<IBookTransaction> BeginRead() override;
    void LockCredit(int) override {}
    void LockDebtor(int) override {}

    // Reads the version from the file's QDBVersion row and compares it with the
    // one required. A table that cannot be read or holds no row gives false with
    // nothing found; SQLite's error is not reported. A file locked by another
    // program raises EDatabaseBusyException instead: it may well be a loan book.
    bool VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found) override;

    // Binds the named parameter if the statement has it (see TSQLStatement::BindValue).
    static void SetParamValue(TSQLStatement& statement, const QString& name, const QVariant& value);
    // The day key of the value's date with dayOnly; otherwise the full date-time form.
    static QString DateTimeToSQLText(const DateTime& value, bool dayOnly);
    // The names in order, each preceded by the prefix, separated by ", ".
    static QString JoinNames(const QStringList& names, const QString& prefix = QString());

    // Existence tests (DataAccessFacade.cpp)
    bool DebtorExists(int debtorID) override;
    bool CreditExists(int creditID) override;
    bool PaymentExists(int paymentID);
    bool ScheduleItemExists(int scheduleID);
    bool CompanyExists() override;

    // Debtors (DataAccessFacadeDebtors.cpp)
    bool LoadDebtor(TDebtor& debtor) override;
    void InsertDebtor(TDebtor& debtor) override;
    void UpdateDebtor(TDebtor& debtor) override;
    void DeleteDebtor(int debtorID) override;
    int GetMaxDebtorID() override;

    // Credits (DataAccessFacadeCredits.cpp)
    void LoadDebtorCredits(int debtorID, TCreditsList& credits) override;
    // The stored credit under the key and its debtor's key; -1 (the credit untouched) when there is none.
    int LoadCredit(int creditID, TCredit& credit) override;
    // How many rows the credit's schedule has and the largest of their keys (-1 without rows).
    void LoadScheduleShape(int creditID, int& rows, int& lastRowID) override;
    void InsertCredit(int debtorID, TCredit& credit) override;
    void UpdateCredit(TCredit& credit) override;
    void DeleteCredit(int creditID) override;
    void DeleteDebtorCredits(int debtorID) override;

    // Schedule rows (DataAccessFacadeSchedule.cpp)
    bool LoadPaymentSchedule(int creditID, TPaymentSchedule& schedule) override;
    bool LoadScheduleFromDate(int creditID, TPaymentScheduleItem& item, const DateTime& date) override;
    void InsertPaymentSchedule(int creditID, TPaymentSchedule& schedule) override;
    void InsertScheduleItem(int creditID, TPaymentScheduleItem& item);
    void UpdateScheduleItem(TPaymentScheduleItem& item);
    void DeleteScheduleItem(int scheduleID);
    void SaveScheduleChanges(int creditID, TPaymentSchedule& schedule) override;
    void DeleteCreditSchedule(int creditID) override;

    // Payments (DataAccessFacadePayments.cpp)
    void InsertPayment(int creditID, TPaymentHistoryItem& payment) override;
    bool LoadLastPayment(int creditID, TPaymentHistoryItem& payment) override;
    void DeleteCreditPayments(int creditID) override;
    // The credit's latest payment, in full, and the number of its cash order
    // (empty when the file gave it none); false when the credit has no payment.
    bool LoadLatestPayment(int creditID, TPaymentHistoryItem& payment, QString* orderNumber) override;
    void DeletePayment(int paymentID) override;

    // Company (DataAccessFacadeCompany.cpp)
    void LoadCompany(TCompany& company) override;
    void SaveCompany(TCompany& company) override;
    void InsertCompany(TCompany& company);
    void UpdateCompany(TCompany& company);

    // Keys and statement building (DataAccessFacade.cpp)
    int GetLastInsertID();
    // The first of `count` new keys of the table, inside the caller's transaction
    // (DataAccessFacadeKeys.cpp): above every key the table holds or ever held in
    // this book, so that a deleted row's key never comes back. Files of earlier
    // installations declare some keys without AUTOINCREMENT, where SQLite alone
    // would give the largest key again once its row is deleted; the largest key
    // handed out or deleted is kept in SQLite's own sqlite_sequence, which those
    // installations never read, and no table's declaration changes.
    qint64 AllocateKeys(const QString& table, const QString& keyColumn, int count = 1);
    // "INSERT INTO table (a, b)\r\nVALUES (:a, :b)"
    static QString BuildInsertSQL(const QString& table, const QStringList& names);
    // "SELECT a, b FROM table"
    static QString BuildSelectSQL(const QString& table, const QStringList& expressions);
    // "yyyy-mm-dd": the ten characters every stored form of that day begins with
    // (files of earlier installations hold some dates in just these ten). A stored
    // date falls on the day exactly when it is >= DayPrefix(day) and < DayPrefix(day + 1);
    // comparing with the full day key instead would put the short form before the day.
    static QString DayPrefix(const DateTime& day);
    // DayPrefix of the day that many days later: the end of a range of days.
    // Past the calendar's last day, a bound above every stored date.
    static QString DayPrefixAfter(const DateTime& day, int days);

    // Overdue indexing (DataAccessFacadeDelay.cpp); today and now come from the clock.
    // SQL true for a row of the schedule (under that name, its credit joined as
    // Credits) that the credit's payments leave a kopeck or more short.
    static QString UncoveredRowSQL(const QString& schedule);
    void UpdateSchedulesDelay() override;
    bool UpdateSchedulesDelayWhenDue(int hours) override;
    DateTime GetLastSchedulesDelayUpdate() override;
    bool DataBaseStateExists();
    void InsertDataBaseState(const DateTime& value);
    void UpdateDataBaseState(const DateTime& value);

    // Queries for lists and reports (DataAccessFacadeQueries.cpp)
    // The open operations hand over a result set the caller owns; the scalar ones free
    // theirs themselves. An amount that does not read as money counts as 0.
    static void FillDebtorsScheduleSQL(QStringList* lines);
    static void FillPaymentsSQL(QStringList* lines);
    std::unique_ptr<TResultSet> OpenDebtorStatementQuery(int debtorID) override;
    std::unique_ptr<TResultSet> OpenStatisticsQuery() override;
    std::unique_ptr<TResultSet> OpenCreditScheduleQuery(int creditID) override;
    std::unique_ptr<TResultSet> OpenDebtorsListQuery() override;
    // Conditions on the debtors list (DataAccessFacadeDebtorsList.cpp).
    // The typed words begin the surname, the name and the patronymic, in this
    // order, letter case aside and Ё read as Е; words past the third belong to
    // the patronymic. No word: no condition.
    TFilterCondition DebtorsNameCondition(const QString& typed) const override;
    std::unique_ptr<TResultSet> OpenDebtorsForDateQuery(const DateTime& date) override;
    std::unique_ptr<TResultSet> OpenInsolventQuery(const DateTime& date) override;
    // The first and the last day of the month; raises for a month outside
    // 1..12 or a year outside 1..9999.
    static void GetMonthBounds(int month, int year, DateTime& firstDay, DateTime& lastDay);
    Money GetMonthPaymentForecast(int month, int year) override;
    Money GetMonthPaymentsTotal(int month, int year) override;
    std::unique_ptr<TResultSet> OpenPaymentOrderQuery(int paymentID) override;
    std::unique_ptr<TResultSet> OpenCreditPaymentsQuery(int creditID) override;
    std::unique_ptr<TResultSet> OpenPaymentsForDateQuery(const DateTime& date) override;

protected:
    // Raise the not-exists errors with the ID.
    void CheckDebtorExists(int debtorID);
    void CheckCreditExists(int creditID);
    void CheckPaymentExists(int paymentID);

private:
    std::unique_ptr<TSQLiteConnection> m_connection;
    // What WrittenElsewhere saw last.
    quint64 m_watchedGeneration = 0;
    qint64 m_watchedDataVersion = 0;

    bool RowExists(const QStringList& lines, const QString& name, int id);
    // Runs a deleting statement with one integer parameter in its own transaction
    // scope, the table's largest key remembered first (see AllocateKeys).
    void DeleteWithID(const QString& table, const QString& keyColumn, const QStringList& lines, const QString& name,
                      int id);
    void RememberKeys(const QString& table, const QString& keyColumn);
    static void BindScheduleItem(TSQLStatement& statement, const TPaymentScheduleItem& item);
    // Inserts the rows for the credit with one prepared statement; no check, no transaction of its own.
    void InsertScheduleRows(int creditID, const QList<const TPaymentScheduleItem*>& items);
};
