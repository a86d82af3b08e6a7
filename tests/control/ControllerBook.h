#pragma once

// What the system controller's tests share: a loan book in a temporary
// folder connected as the program connects it, a recording stand-in for the
// main window and one for the printer, and a raw look at the file.

#include "support/ClockPin.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "control/IDBInfoViewInterface.h"
#include "control/IDebtorsViewInterface.h"
#include "control/DailyBackup.h"
#include "control/IReportPrinter.h"
#include "control/StartUpController.h"
#include "control/SystemController.h"
#include "support/TestProgram.h"
#include "data/DataAccessFacade.h"
#include "data/LoanBookFile.h"
#include "sqlite/SQLStatement.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "domain/Company.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScheduleCalculation.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <optional>

// The main window as the controller sees it: remembers what it was shown.
class TRecordingView : public IDebtorsViewInterface, public IDBInfoViewInterface
{
public:
    TResultSet* DataSet = nullptr;
    int SelectedDebtorID = -1; // none told yet
    QList<int> CreditIDs;
    int CreditsShown = 0;
    std::optional<TDebtor> Details;
    QString FileName;
    QString CompanyName;

    void SetDebtorsDataSet(TResultSet* dataSet) override { DataSet = dataSet; }
    void SelectDebtor(int debtorID) override { SelectedDebtorID = debtorID; }
    void ShowCredits(const TCreditsList* credits) override
    {
        ++CreditsShown;
        CreditIDs.clear();
        for (const auto& credit : *credits)
            CreditIDs << credit->GetID();
    }
    void ShowDebtorDetails(const TDebtor* debtor) override { Details = *debtor; }
    void ShowDatabaseInfo(const QString& fileName, const TCompany* company) override
    {
        FileName = fileName;
        CompanyName = company ? company->CompanyName : QString();
    }
    QString DetailsSurname() const { return Details ? Details->Surname : QString(); }
};

// The printer as the controller sees it: writes each print into the events,
// noting a print made while a transaction is still open.
class TRecordingPrinter : public IReportPrinter
{
public:
    TRecordingPrinter(QStringList& events, TDataAccessFacade& facade) : m_events(events), m_facade(facade) {}

    void PrintCreditSchedule(int creditID) override { Log(QStringLiteral("print schedule"), creditID); }
    void PrintPaymentOrder(int paymentID) override { Log(QStringLiteral("print order"), paymentID); }
    void PrintPaymentHistory(TResultSet* resultSet, const QStringList*) override
    {
        Log(QStringLiteral("print history"), resultSet ? resultSet->RowCount() : -1);
    }
    void BuildDebtorsForDateReport() override { Log(QStringLiteral("report debtors for date")); }
    void BuildAllInsolventReport() override { Log(QStringLiteral("report insolvent")); }
    void BuildPaymentsForDateReport() override { Log(QStringLiteral("report payments")); }
    void BuildStatisticsReport() override { Log(QStringLiteral("report statistics")); }
    void BuildMonthForecastReport() override { Log(QStringLiteral("report forecast")); }
    void BuildAheadStatementReport(int debtorID) override { Log(QStringLiteral("report ahead statement"), debtorID); }
    void BuildRespiteStatementReport(int debtorID) override
    {
        Log(QStringLiteral("report respite statement"), debtorID);
    }

private:
    void Log(const QString& what, std::optional<int> id = std::nullopt)
    {
        QString line = id ? QStringLiteral("%1 %2").arg(what).arg(*id) : what;
        if (m_facade.Connection().InTransaction())
            line += QStringLiteral(" in transaction");
        m_events << line;
    }
    QStringList& m_events;
    TDataAccessFacade& m_facade;
};

// A loan book connected through the start-up controller, with the settings
// under a temporary APPDATA and a fixed clock; the program's parts are its own.
class TControllerBook
{
public:
    static DateTime DefaultNow() { return DateTime::FromYMD(2009, 6, 20, 10, 0); }

    // A new, empty loan book, or a copy of the given file.
    explicit TControllerBook(const QString& copyOf = QString())
        : m_clock(DefaultNow())
    {
        m_path = m_sandbox.Dir().filePath(QStringLiteral("book.s3db"));
        if (copyOf.isEmpty()) {
            CreateLoanBookFile(m_path);
        } else {
            QFile::copy(copyOf, m_path);
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        }
        m_sandbox.StoreConnectionString(m_path);
        if (!m_program.StartUp.ConnectToDatabase(cmStoredSettings, QString()))
            qFatal("the test loan book did not connect");
    }
    ~TControllerBook() { m_controller.reset(); }
    TControllerBook(const TControllerBook&) = delete;
    TControllerBook& operator=(const TControllerBook&) = delete;

    const QString& Path() const { return m_path; }
    // The controller Start made.
    TSystemController& Controller() { return *m_controller; }
    QDir Dir() const { return m_sandbox.Dir(); }
    TDataAccessFacade& Facade() { return m_program.Facade(); }
    TTestProgram& Program() { return m_program; }

    // The controller over the view, printing into the events.
    TSystemController& Start(TRecordingView& view, QStringList& events)
    {
        // A second start is the program started again: the first controller goes first.
        m_controller.reset();
        m_controller = std::make_unique<TSystemController>(m_program.Parts, &view, &view);
        TSystemController& controller = *m_controller;
        controller.SetReportPrinter(std::make_unique<TRecordingPrinter>(events, Facade()));
        // The day's copy of the book is done before the test goes on.
        controller.DailyBackup().Wait();
        return controller;
    }

    int AddDebtor(const QString& surname, const QString& name = QStringLiteral("Иван"))
    {
        TDebtor debtor;
        debtor.Surname = surname;
        debtor.SetName(name);
        debtor.PatronymicName = QStringLiteral("Петрович");
        debtor.PassportSeries = QStringLiteral("0401");
        debtor.PassportNumber = QStringLiteral("123456");
        debtor.City = QStringLiteral("Красноярск");
        Facade().InsertDebtor(debtor);
        return debtor.GetID();
    }

    // 10 000 over the months at 12 %, paid on the 15th, with its schedule.
    int AddCredit(int debtorID, const DateTime& contractDate, int months = 12)
    {
        TCredit credit;
        credit.ContractNumber = QStringLiteral("К-%1").arg(debtorID);
        credit.ContractDate = contractDate;
        credit.CreditSize = Money::FromUnits(10000 * 10000);
        credit.CreditPeriod = months;
        credit.YearPercent = 12;
        credit.PaymentDay = 15;
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, contractDate);
        Facade().InsertCredit(debtorID, credit);
        Facade().InsertPaymentSchedule(credit.GetID(), schedule);
        return credit.GetID();
    }

    void Pay(int creditID, const char* sum, const DateTime& date)
    {
        TPaymentHistoryItem payment;
        payment.PaymentDate = date;
        payment.PaymentSum = M(sum);
        Facade().InsertPayment(creditID, payment);
    }

    // Every row of the loan book's tables, to tell whether anything changed.
    QString Dump()
    {
        QString dump;
        for (const char* table : {"Debtors", "Credits", "PaymentSchedule", "PaymentHistory", "CompanyInfo"}) {
            TSQLStatement statement(Facade().Connection(),
                                    {QStringLiteral("SELECT * FROM %1").arg(QString::fromLatin1(table))});
            dump += QString::fromLatin1(table) + QLatin1Char('\n');
            while (statement.Step()) {
                for (int i = 0; i < statement.ColumnCount(); ++i)
                    dump += statement.Text(i) + QLatin1Char('|');
                dump += QLatin1Char('\n');
            }
        }
        return dump;
    }
    qint64 Count(const QString& sql)
    {
        TSQLStatement statement(Facade().Connection(), {sql});
        return statement.Step() ? statement.Integer(0) : -1;
    }
    // The next write of that kind on the table fails, as a full disk would
    // make it fail; the file's schema stays as it is.
    void FailOn(const QString& event, const QString& table)
    {
        Facade().Connection().Execute(QStringLiteral("CREATE TEMP TRIGGER InjectedFailure BEFORE %1 ON main.%2 "
                                                     "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                                          .arg(event, table));
    }

private:
    TStartupSandbox m_sandbox;
    TClockPin m_clock;
    QString m_path;
    TTestProgram m_program;
    std::unique_ptr<TSystemController> m_controller;
};
