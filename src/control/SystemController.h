#pragma once

#include "IReportPrinter.h"
#include "ProgramParts.h"
#include "UseCaseGate.h"
#include "core/LoanBook.h"
#include "sqlite/ResultSet.h"
#include "domain/CreditsList.h"
#include "extras/DebtorsGameVisitor.h"
#include "extras/NameSexFunction.h"
#include "ui/CreditReportInterface.h"
#include "ui/PaymentCancelInterface.h"
#include "ui/PaymentHistoryReportInterface.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class IDBInfoViewInterface;
class IDebtorsViewInterface;
class IRandomGenerator;
class TDailyBackup;
class QTimer;
class TCredit;
class TDebtor;
class TPaymentSchedule;

// The use cases of the program: the main window turns every command into one
// call here; the controller runs the dialogs, reads and writes the loan book
// and drives the window back through its two view interfaces. It holds the
// debtors list, the current debtor (the one selected in the window's grid) and
// his credits, whose order is that of the window's credits list.
//
// One use case runs at a time. While one runs (its modal dialog open), the
// overdue check and the list filters only note that they are due and run
// once when it ends, so that no refresh pulls the credits a dialog is
// editing from under it.
class TSystemController : public QObject,
                          public IDebtorsGameVisitor,
                          public IPaymentHistoryReportInterface,
                          public IPaymentCancelInterface,
                          public ICreditReportInterface
{
public:
    // The overdue check's interval: a quarter of an hour.
    static constexpr int OverdueCheckInterval = 900000;
    // Indexing is due when more whole hours than these passed since the last one.
    static constexpr int OverdueIndexingHours = 24;
    // How often the window looks whether another program wrote to its book.
    static constexpr int BookWatchInterval = 2000;
    // A server book announces other clerks' changes; looking often costs nothing.
    static constexpr int ServerWatchInterval = 400;

    // Opens the debtors list and shows it, the credits, the details and the
    // database information; loads the recent-databases list; starts the
    // overdue timer. Either view may be absent.
    TSystemController(TProgramParts& parts, IDebtorsViewInterface* debtorsView, IDBInfoViewInterface* dbInfoView);
    ~TSystemController() override;

    // Debtors, credits and payments: each is one user command.
    void AddDebtor();
    void EditDebtor();
    void DeleteCurrentDebtor();
    void AddCredit();
    void ShowCredit(int index);
    void DeleteCreditAt(int index);
    // The index of the credit selected in the credits list, or -1.
    void MakeDebtorPayment(int index);
    void MakeCreditPayment(int index);
    void ShowPaymentHistory(int index);
    void EditCompanyInfo();

    // Steps of the payment use cases.
    void MakeDebtorPaymentFor(const TDebtor& debtor, int index);
    bool ChooseCreditForPayment(const TDebtor& debtor, TCredit& credit, int index);
    // The payment dialog for the credit as listed, then the cash order.
    void MakePayment(const TDebtor& debtor, const TCreditPicture& listed);

    // Where the window hands a command over: an error of it is shown in the
    // program's error box and goes no further; when the book no longer
    // matched what the command decided on, the window reads it anew.
    void RunCommand(const std::function<void()>& command);
    // Asked by the payment history dialog: takes the credit's latest payment
    // back once the user confirms it, then indexes and refreshes as after a payment.
    bool CancelLatestPayment(int creditID) override;

    // The debtors list as last read, and the current debtor: the one the
    // window's grid shows selected, kept by his ID.
    TResultSet* DebtorsList() const { return m_debtorsList.get(); }
    // The current debtor's credits as last shown.
    const TCreditsList& Credits() const { return m_credits; }
    // The current debtor's ID, name, surname and patronymic as listed (ID 0
    // and empty names on an empty list); false without a debtor to fill.
    bool ReadCurrentDebtor(TDebtor* debtor) const;
    // 0 on an empty list.
    int CurrentDebtorID() const { return m_currentDebtorID; }
    // The user selected this debtor in the grid: his credits and details follow.
    void SelectDebtor(int debtorID);
    // Makes the debtor current where listed, else the first one, and has the
    // window select him.
    void LocateDebtor(int debtorID);
    // Reads the list anew, keeping the current debtor (see ReopenDebtors).
    void RefreshDebtors();
    void RefreshCredits();
    void RefreshDebtorDetails();
    void RefreshDatabaseInfo();
    // "Обновить" (F5).
    void RefreshAll();

    // Filters: the list shows the debtors both let through. A refresh or a
    // filter keeps the current debtor current while the list still shows him.
    void ApplyNameFilter(const QString& text);
    // 0 "Не задан", 1 "Только вероятные задолжники", -1 a typed text (keeps the condition).
    void ApplyListFilter(int index);

    // Overdue indexing: on demand, and when the last one is over a day old.
    void RunOverdueIndexing();
    void RunOverdueIndexing(IUpdateSchedulesDelayInterface& indexing);
    void CheckOverdueIndexing();

    // Another loan book: an empty name lets the user choose one.
    void SwitchDatabase(const QString& fileName);
    // The entry at the index of the recent-databases list (0 the oldest).
    void OpenRecentDatabase(int index);
    // When another program has written to the book since the last look, the
    // lists, details and status bar are read anew with the same debtor
    // selected. Never under an open dialog: then the next look does it.
    void CheckBookWrittenElsewhere();

    // The day's copy of the book open, at its first opening of the day.
    void StartDailyBackup();
    TDailyBackup& DailyBackup() const { return *m_dailyBackup; }
    // "Восстановить из резервной копии…": one of the book's copies replaces
    // its content, the present content saved beside the book first.
    void RestoreFromBackup();

    // Reports of the main menu.
    void BuildDebtorsForDateReport();
    void BuildAllInsolventReport();
    void BuildPaymentsForDateReport();
    void BuildStatisticsReport();
    void BuildMonthForecastReport();
    void BuildAheadStatementReport();
    void BuildRespiteStatementReport();
    // Prints offered to the credit and payment history dialogs.
    void PrintCreditSchedule(int creditID) override;
    void PrintPaymentHistory(TResultSet* resultSet, const QStringList* params) override;
    void PrintPaymentOrder(int paymentID) override;

    // Extras: the credit guessing game, the current debtor's address on the
    // web map, the About box, the clerk's manual.
    void PlayGame();
    void OpenDebtorOnMap();
    void ShowAbout();
    void ShowHelp();
    // A random credit of the book and its borrower, for the game.
    bool PickRandomCredit(TDebtor& debtor, TCredit& credit) override;
    // Where the game's draws come from; none gives a generator seeded from
    // the clock at every draw. Borrowed.
    void SetRandomGenerator(IRandomGenerator* generator) { m_random = generator; }
    // Tells the game's verb; none leaves the declension library to answer.
    void SetNameSexFunction(TNameSexFunction nameSex);

    // Replaces the printer (the reports, or a test's); the controller owns it.
    void SetReportPrinter(std::unique_ptr<IReportPrinter> printer);
    // True while a use case runs.
    bool UseCaseRunning() const { return m_gate.Busy(); }
    QTimer* OverdueTimer() const { return m_overdueTimer; }
    QTimer* BookWatchTimer() const { return m_bookWatchTimer; }

private:
    using TUseCaseScope = TUseCaseGate::TScope;

    // The loan book's operations on the book in use.
    TLoanBook LoanBook() const;
    // What a dialog stores on OK; when the book changed under the decision,
    // the window reads it anew once the use case has ended.
    std::function<void()> Storing(std::function<void()> store);
    void ShowBookAfterChange();

    // Runs the list anew with the current debtor kept where still listed,
    // else the one now at his place (the last one past the end; position -1:
    // the first); the credits and details follow whenever another debtor, or
    // none, is current.
    void ReopenDebtors(int position);
    // Makes the debtor at the row current and has the window select him (none: -1).
    void MakeCurrent(int row);
    // His row in the list as last read, -1 when not listed.
    int RowOfDebtor(int debtorID) const;
    void ShowCurrentDebtor();
    void ApplyFilters();
    // The debtors list of the book in use, filtered as chosen, not yet read.
    void OpenDebtorsList();
    // Looks for other programs' changes as often as the book in use tells of them.
    void WatchBook();
    void SetListFilter();
    QString SettingsFolderFile(const QString& fileName) const;
    void LoadHistory();
    void SaveHistory();
    // Everything the window shows of the book in use, read anew.
    void ShowBook();
    bool BookWrittenElsewhere();

    TProgramParts& m_parts;
    std::unique_ptr<TResultSet> m_debtorsList;
    // The current debtor and his row in the list as last read (-1: none).
    int m_currentDebtorID = 0;
    int m_currentDebtorRow = -1;
    IDebtorsViewInterface* m_debtorsView;
    IDBInfoViewInterface* m_dbInfoView;
    TCreditsList m_credits;
    // What the clerk chose to filter by; each book says how, in its own SQL.
    QString m_nameFilterText;
    int m_listFilterIndex = 0;
    QTimer* m_overdueTimer;
    QTimer* m_bookWatchTimer;
    // What the book's connection said at the last look (see TSQLiteConnection::DataVersion).
    std::unique_ptr<IReportPrinter> m_printer;

    // Timer ticks and filters wait here while a use case runs.
    TUseCaseGate m_gate;
    IRandomGenerator* m_random = nullptr;
    TNameSexFunction m_nameSex;
    std::unique_ptr<TDailyBackup> m_dailyBackup;
};
