#pragma once

#include "data/LoanBookStore.h"
#include "sqlite/RowSource.h"

#include <QStringList>

#include <memory>
#include <optional>

class TPgConnection;
class TPgResult;

// A loan book on a PostgreSQL server, for several clerks at once: the same
// records, rows and totals as the file's facade (TDataAccessFacade), over
// one connection of its own. Every value is bound, never pasted into SQL.
// Each writing operation runs in a transaction scope, so it joins the
// caller's transaction or is all-or-nothing on its own. Keys come from the
// tables' sequences, the payments' (the cash orders' numbers) from a counter
// row locked until the payment's transaction ends, so they stay gapless.
// A connection lost in use raises EServerConnectionLostException; the next
// call outside a transaction connects again.
class TServerDataAccessFacade : public ILoanBookStore
{
public:
    // Connects to the libpq address (postgresql:///BOOK?host=...&user=...)
    // and listens for other clerks' changes.
    // A password typed by the user goes to the connection only (see TPgConnection).
    explicit TServerDataAccessFacade(const QString& address,
                                     const std::optional<QString>& password = std::nullopt);
    ~TServerDataAccessFacade() override;
    TServerDataAccessFacade(const TServerDataAccessFacade&) = delete;
    TServerDataAccessFacade& operator=(const TServerDataAccessFacade&) = delete;

    TPgConnection& Connection() { return *m_connection; }
    // The channel on which the book's triggers announce every change.
    static QString ChangesChannel() { return QStringLiteral("varnel_book"); }
    // The socket a window may wait on for other clerks' changes.
    int NotificationSocket() const;

    // ServerDataAccessFacade.cpp
    bool VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found) override;
    QString BookName() const override;
    TSQLiteConnection* FileConnection() override { return nullptr; }
    bool WrittenElsewhere() override;
    std::unique_ptr<IBookTransaction> BeginWrite() override;
    std::unique_ptr<IBookTransaction> BeginRead() override;
    void LockCredit(int creditID) override;
    void LockDebtor(int debtorID) override;
    bool DebtorExists(int debtorID) override;
    bool CreditExists(int creditID) override;
    bool PaymentExists(int paymentID);
    bool CompanyExists() override;

    // Debtors (ServerDataAccessFacadeDebtors.cpp)
    bool LoadDebtor(TDebtor& debtor) override;
    void InsertDebtor(TDebtor& debtor) override;
    void UpdateDebtor(TDebtor& debtor) override;
    void DeleteDebtor(int debtorID) override;
    int GetMaxDebtorID() override;

    // Credits (ServerDataAccessFacadeCredits.cpp)
    void LoadDebtorCredits(int debtorID, TCreditsList& credits) override;
    int LoadCredit(int creditID, TCredit& credit) override;
    void LoadScheduleShape(int creditID, int& rows, int& lastRowID) override;
    void InsertCredit(int debtorID, TCredit& credit) override;
    void UpdateCredit(TCredit& credit) override;
    void DeleteCredit(int creditID) override;
    void DeleteDebtorCredits(int debtorID) override;

    // Schedule rows (ServerDataAccessFacadeSchedule.cpp)
    bool LoadPaymentSchedule(int creditID, TPaymentSchedule& schedule) override;
    bool LoadScheduleFromDate(int creditID, TPaymentScheduleItem& item, const DateTime& date) override;
    void InsertPaymentSchedule(int creditID, TPaymentSchedule& schedule) override;
    void SaveScheduleChanges(int creditID, TPaymentSchedule& schedule) override;
    void DeleteCreditSchedule(int creditID) override;

    // Payments (ServerDataAccessFacadePayments.cpp)
    void InsertPayment(int creditID, TPaymentHistoryItem& payment) override;
    bool LoadLastPayment(int creditID, TPaymentHistoryItem& payment) override;
    void DeleteCreditPayments(int creditID) override;
    bool LoadLatestPayment(int creditID, TPaymentHistoryItem& payment, QString* orderNumber) override;
    void DeletePayment(int paymentID) override;

    // Company (ServerDataAccessFacadeCompany.cpp)
    void LoadCompany(TCompany& company) override;
    void SaveCompany(TCompany& company) override;

    // Overdue indexing (ServerDataAccessFacadeDelay.cpp)
    void UpdateSchedulesDelay() override;
    DateTime GetLastSchedulesDelayUpdate() override;
    bool UpdateSchedulesDelayWhenDue(int hours) override;
    // The key of the advisory lock the book's indexing runs under.
    static qint64 IndexingLockKey() { return 0x5661726e656c; }

    // Lists and documents (ServerDataAccessFacadeQueries.cpp, ...DebtorsList.cpp)
    std::unique_ptr<TResultSet> OpenDebtorsListQuery() override;
    TFilterCondition DebtorsNameCondition(const QString& typed) const override;
    std::unique_ptr<TResultSet> OpenDebtorStatementQuery(int debtorID) override;
    std::unique_ptr<TResultSet> OpenStatisticsQuery() override;
    std::unique_ptr<TResultSet> OpenCreditScheduleQuery(int creditID) override;
    std::unique_ptr<TResultSet> OpenDebtorsForDateQuery(const DateTime& date) override;
    std::unique_ptr<TResultSet> OpenInsolventQuery(const DateTime& date) override;
    Money GetMonthPaymentForecast(int month, int year) override;
    Money GetMonthPaymentsTotal(int month, int year) override;
    std::unique_ptr<TResultSet> OpenPaymentOrderQuery(int paymentID) override;
    std::unique_ptr<TResultSet> OpenCreditPaymentsQuery(int creditID) override;
    std::unique_ptr<TResultSet> OpenPaymentsForDateQuery(const DateTime& date) override;

    // Values in the server's text forms for TQueryParams: money as its
    // decimal, a moment in the file's form, a day as its midnight.
    static QVariant MoneyParam(Money value);
    static QVariant MomentParam(const DateTime& value);
    // The midnight that many days after the day's; past the calendar's last day, "infinity".
    static QVariant DayParam(const DateTime& day, int daysAfter = 0);

private:
    // A statement with named parameters (":Name"), run at once.
    TPgResult Run(const QStringList& lines, const TQueryParams& params = {});
    // Its rows as a result set that can be opened again.
    std::unique_ptr<TResultSet> Query(const QStringList& lines, const TQueryParams& params = {});
    bool RowExists(const QString& sql, int id);
    void CheckDebtorExists(int debtorID);
    void CheckCreditExists(int creditID);
    void CheckPaymentExists(int paymentID);
    void InsertScheduleRow(int creditID, const TPaymentScheduleItem& item);
    void UpdateScheduleRow(const TPaymentScheduleItem& item);
    void RecordIndexingTime(const DateTime& now);

    QString m_address;
    std::unique_ptr<TPgConnection> m_connection;
};
