// The window's start-up and controller on a server book: opened from the
// settings (its password asked, never stored), refreshed when another clerk
// writes, refusing a decision another clerk made stale, switched to from a
// file and back, and saying so when the server went away.

#include "ControllerActs.h"
#include "ControllerBook.h"
#include "support/DialogScript.h"
#include "support/LoanBookFiles.h"
#include "support/ScriptedUser.h"
#include "support/StartupSandbox.h"
#include "support/TestProgram.h"
#include "support/ThrowawayCluster.h"

#include "control/BookLock.h"
#include "control/StartUpController.h"
#include "control/SystemController.h"
#include "core/LoanBook.h"
#include "domain/BookChangedException.h"
#include "domain/Debtor.h"
#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "postgres/ServerSchema.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "ui/ServerPasswordForm.h"

#include <QFile>
#include <QTest>

namespace {

const QString Clerk = QStringLiteral("clerk");
const QString ClerkPassword = QStringLiteral("тайна 1");

// Prints nothing: the documents are not what is tested here.
class TSilentPrinter : public IReportPrinter
{
public:
    QStringList Printed;
    void PrintCreditSchedule(int) override {}
    void PrintPaymentOrder(int paymentID) override { Printed << QString::number(paymentID); }
    void PrintPaymentHistory(TResultSet*, const QStringList*) override {}
    void BuildDebtorsForDateReport() override {}
    void BuildAllInsolventReport() override {}
    void BuildPaymentsForDateReport() override {}
    void BuildStatisticsReport() override {}
    void BuildMonthForecastReport() override {}
    void BuildAheadStatementReport(int) override {}
    void BuildRespiteStatementReport(int) override {}
};

TDebtor Person(const QString& surname)
{
    TDebtor debtor;
    debtor.Surname = surname;
    debtor.SetName(QStringLiteral("Иван"));
    debtor.PatronymicName = QStringLiteral("Петрович");
    debtor.PassportSeries = QStringLiteral("0401");
    debtor.PassportNumber = QStringLiteral("123456");
    debtor.City = QStringLiteral("Красноярск");
    return debtor;
}

// 10 000 over a year at 12 %, paid on the 15th.
TCredit Terms()
{
    TCredit credit;
    credit.ContractNumber = QStringLiteral("С-1");
    credit.ContractDate = DateTime::FromYMD(2009, 1, 20);
    credit.CreditSize = Money::FromUnits(10000 * 10000);
    credit.CreditPeriod = 12;
    credit.YearPercent = 12;
    credit.PaymentDay = 15;
    return credit;
}

std::optional<QString> NoPassword(const TServerPasswordRequest&)
{
    return std::nullopt;
}

}

class TestServerBookWindow : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;
    TClockPin m_clock { TControllerBook::DefaultNow() };
    std::unique_ptr<TStartupSandbox> m_sandbox;
    std::unique_ptr<TTestProgram> m_program;
    QString m_book;

    // Another clerk's program on the same server book.
    std::unique_ptr<TServerDataAccessFacade> OtherClerk() { return std::make_unique<TServerDataAccessFacade>(m_book); }

    bool ConnectAtStart() { return m_program->StartUp.ConnectToDatabase(cmStoredSettings, QString()); }

    // A debtor with one credit; the credit's key.
    int AddDebtorWithCredit(ILoanBookStore& store, const QString& surname)
    {
        TLoanBook book(store);
        TDebtor debtor = Person(surname);
        book.AddDebtor(debtor);
        TCredit credit = Terms();
        TPaymentSchedule schedule;
        book.AddCredit(debtor.GetID(), credit, schedule);
        return credit.GetID();
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        TPgConnection admin(m_cluster.Address(QStringLiteral("postgres")));
        admin.Execute(QStringLiteral("CREATE ROLE %1 LOGIN SUPERUSER PASSWORD '%2'").arg(Clerk, ClerkPassword));
    }
    void cleanupTestCase() { m_cluster.Stop(); }

    void init()
    {
        m_book = m_cluster.NewDatabase();
        TPgConnection owner(m_book);
        CreateServerBook(owner);
        m_sandbox = std::make_unique<TStartupSandbox>();
        m_program = std::make_unique<TTestProgram>();
        SetServerPasswordHandler(&NoPassword);
    }
    void cleanup()
    {
        m_program.reset();
        m_sandbox.reset();
        SetServerPasswordHandler({});
    }

    void startUpOpensTheServerBookOfTheSettings()
    {
        m_sandbox->StoreConnectionString(m_book);
        TScriptedUser user;
        QVERIFY(ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList());
        ILoanBookStore& store = m_program->Book.Store();
        QVERIFY(!store.FileConnection());
        QCOMPARE(m_program->StartUp.ConnectedFileName(), m_book);
        QCOMPARE(m_program->History.Entries(), QStringList{m_book});
        m_program.reset();
        QCOMPARE(m_sandbox->StoredConnectionString().toString(), m_book);
    }

    // The password is asked until the server takes it, and written nowhere.
    void passwordIsAskedAgainWhenRefusedAndNeverStored()
    {
        const QString refused = m_cluster.RequirePassword(Clerk);
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
        QString book = m_book;
        book.replace(QStringLiteral("user=") + QLatin1String(TThrowawayCluster::SuperUser),
                     QStringLiteral("user=") + Clerk);
        qputenv("PGPASSFILE", m_sandbox->Dir().filePath(QStringLiteral("none")).toLocal8Bit());
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                try {
                    TPgConnection probe(book);
                    return false;
                } catch (const EServerPasswordNeededException&) {
                    return true;
                }
            }(),
            10000);
        QList<TServerPasswordRequest> asked;
        QStringList answers{QStringLiteral("не та"), ClerkPassword};
        SetServerPasswordHandler([&](const TServerPasswordRequest& request) -> std::optional<QString> {
            asked << request;
            return answers.takeFirst();
        });
        m_sandbox->StoreConnectionString(book);

        QVERIFY(ConnectAtStart());
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked[0].Warning.isEmpty());
        QVERIFY(!asked[1].Warning.isEmpty());
        QVERIFY(asked[0].BookName.contains(m_book.section(QLatin1Char('?'), 0, 0).section(QLatin1Char('/'), -1)));
        m_program.reset();
        for (const QString& file : m_sandbox->Dir().entryList(QDir::Files)) {
            QFile settings(m_sandbox->Dir().filePath(file));
            QVERIFY(settings.open(QIODevice::ReadOnly));
            QVERIFY2(!settings.readAll().contains(ClerkPassword.toUtf8()), qPrintable(file));
        }
        qunsetenv("PGPASSFILE");
    }

    void unreachableServerSaysWhyBeforeAskingAgain()
    {
        QString gone = m_book;
        gone.replace(QStringLiteral("port=5432"), QStringLiteral("port=5433"));
        m_sandbox->StoreConnectionString(gone);
        TScriptedUser user;
        user.Answer(QMessageBox::No);
        QVERIFY(!ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList{QStringLiteral("question")});
        QVERIFY2(user.Shown()[0].Text.contains(QStringLiteral("Сервер PostgreSQL не отвечает")),
                 qPrintable(user.Shown()[0].Text));
        QVERIFY(user.Shown()[0].Text.endsWith(QStringLiteral("Настроить подключение снова?")));
        QVERIFY(!m_program->Book.IsOpen());
    }

    // Another clerk's writes reach the list without a word, the debtor chosen staying chosen.
    void anotherClerksWriteRefreshesTheList()
    {
        auto other = OtherClerk();
        AddDebtorWithCredit(*other, QStringLiteral("Борисов"));
        m_sandbox->StoreConnectionString(m_book);
        QVERIFY(ConnectAtStart());
        TRecordingView view;
        TSystemController controller(m_program->Parts, &view, &view);
        controller.SetReportPrinter(std::make_unique<TSilentPrinter>());
        QCOMPARE(controller.DebtorsList()->RowCount(), 1);
        const int chosen = controller.CurrentDebtorID();

        AddDebtorWithCredit(*other, QStringLiteral("Абрамов"));
        QTRY_VERIFY([&] {
            controller.CheckBookWrittenElsewhere();
            return controller.DebtorsList()->RowCount() == 2;
        }());
        QCOMPARE(controller.CurrentDebtorID(), chosen);
        QCOMPARE(view.SelectedDebtorID, chosen);
        QVERIFY(view.FileName.contains(QStringLiteral("book")));
    }

    // Our payment dialog was open while another clerk deleted the credit.
    void decisionMadeStaleByAnotherClerkIsRefused()
    {
        auto other = OtherClerk();
        const int creditID = AddDebtorWithCredit(*other, QStringLiteral("Борисов"));
        m_sandbox->StoreConnectionString(m_book);
        QVERIFY(ConnectAtStart());
        TRecordingView view;
        TSystemController controller(m_program->Parts, &view, &view);
        auto printer = std::make_unique<TSilentPrinter>();
        TSilentPrinter& printed = *printer;
        controller.SetReportPrinter(std::move(printer));
        TLoanBook otherBook(*other);
        TDialogScript script;
        script.Then<TPaymentForm>([&](TPaymentForm* form) {
            otherBook.DeleteCredit(otherBook.SeeCredit(creditID));
            Acts::Pay(form, QStringLiteral("500"));
        });
        const int shownBefore = view.CreditsShown;
        controller.RunCommand([&] { controller.MakeCreditPayment(0); });
        QCOMPARE(script.Boxes.last().Text, EBookChangedException::CreditDeleted().Message());
        QVERIFY(printed.Printed.isEmpty());
        TPgConnection look(m_book);
        QCOMPARE(look.Execute(QStringLiteral("SELECT count(*) FROM PaymentHistory")).Integer(0, 0), 0);
        QTRY_VERIFY(view.CreditsShown > shownBefore);
        QVERIFY(view.CreditIDs.isEmpty());
    }

    // From a file book to the server book and back: each time the list is the new book's.
    void switchesBetweenAFileAndTheServerBook()
    {
        AddDebtorWithCredit(*OtherClerk(), QStringLiteral("Серверов"));
        const QString file = LoanBookFiles::Good(m_sandbox->Dir());
        m_sandbox->StoreConnectionString(file);
        QVERIFY(ConnectAtStart());
        TRecordingView view;
        TSystemController controller(m_program->Parts, &view, &view);
        controller.SetReportPrinter(std::make_unique<TSilentPrinter>());
        const int fileRows = controller.DebtorsList()->RowCount();

        TScriptedUser user;
        controller.SwitchDatabase(m_book);
        QVERIFY2(user.Kinds().isEmpty(), qPrintable(user.Shown().value(0).Text));
        QCOMPARE(m_program->StartUp.ConnectedFileName(), m_book);
        QCOMPARE(controller.DebtorsList()->RowCount(), 1);
        QCOMPARE(view.DetailsSurname(), QStringLiteral("Серверов"));
        QVERIFY(!QFile::exists(TBookLock::LockFileName(file)));

        controller.SwitchDatabase(file);
        QCOMPARE(controller.DebtorsList()->RowCount(), fileRows);
        QStringList recent = m_program->History.Entries();
        recent.sort();
        QCOMPARE(recent, (QStringList{file, m_book}));
    }

    // The server went away under the window: the clerk is told, nothing is
    // half-written, and "Обновить" connects again.
    void lostConnectionIsToldAndRefreshConnectsAgain()
    {
        auto other = OtherClerk();
        const int creditID = AddDebtorWithCredit(*other, QStringLiteral("Борисов"));
        m_sandbox->StoreConnectionString(m_book);
        QVERIFY(ConnectAtStart());
        TRecordingView view;
        TSystemController controller(m_program->Parts, &view, &view);
        controller.SetReportPrinter(std::make_unique<TSilentPrinter>());
        TDialogScript script;
        script.Then<TPaymentForm>([&](TPaymentForm* form) {
            TPgConnection(m_book).Execute(QStringLiteral(
                "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = current_database() "
                "AND pid <> pg_backend_pid()"));
            Acts::Pay(form, QStringLiteral("500"));
        });
        script.Answer(QMessageBox::Ok);
        controller.RunCommand([&] { controller.MakeCreditPayment(0); });
        QVERIFY2(script.Boxes.size() >= 1, qPrintable(script.Events.join(u'\n')));
        QVERIFY2(script.Boxes.first().Text.startsWith(QStringLiteral("Связь с сервером базы данных потеряна")),
                 qPrintable(script.Boxes.first().Text));
        TPgConnection look(m_book);
        QCOMPARE(look.Execute(QStringLiteral("SELECT count(*) FROM PaymentHistory")).Integer(0, 0), 0);

        controller.RunCommand([&] { controller.RefreshAll(); });
        QCOMPARE(controller.DebtorsList()->RowCount(), 1);
        QCOMPARE(view.CreditIDs, QList<int>{creditID});
    }
};

VARNEL_TEST_MAIN(TestServerBookWindow)
#include "TestServerBookWindow.moc"
