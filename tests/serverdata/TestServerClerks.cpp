// Several clerks on one server book, each with a connection of his own:
// cash-order numbers stay unique and gapless under concurrent payments, the
// daily indexing runs once whoever comes first, one clerk learns of another's
// changes, and a lost connection loses nothing half-written and comes back.

#include "ClerkRights.h"
#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "postgres/ServerSchema.h"
#include "serverdata/NamedParams.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/ThrowawayCluster.h"

#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"

#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(TQueryParams)
Q_DECLARE_METATYPE(TPgParams)

namespace {

QString Value(TPgConnection& connection, const QString& sql)
{
    const TPgResult result = connection.Execute(sql);
    return result.IsNull(0, 0) ? QStringLiteral("NULL") : result.Text(0, 0);
}

// A debtor with a credit of three schedule rows, in one transaction; the credit's key.
int AddCredit(ILoanBookStore& book, const QString& surname)
{
    const auto transaction = book.BeginWrite();
    TDebtor debtor;
    debtor.Surname = surname;
    book.InsertDebtor(debtor);
    TCredit credit;
    credit.CreditSize = Money::FromText(QStringLiteral("10000"));
    credit.ContractDate = DateTime::FromYMD(2026, 1, 10);
    book.InsertCredit(debtor.GetID(), credit);
    TPaymentSchedule schedule;
    DataTest::FillSchedule(schedule, DateTime::FromYMD(2026, 2, 10), 3);
    book.InsertPaymentSchedule(credit.GetID(), schedule);
    transaction->Commit();
    return credit.GetID();
}

// One payment in a transaction of its own; kept only with commit.
void Pay(ILoanBookStore& book, int creditID, const char* amount, bool commit)
{
    const auto transaction = book.BeginWrite();
    book.LockCredit(creditID);
    TPaymentHistoryItem payment;
    payment.PaymentDate = DateTime::FromYMD(2026, 2, 1, 9, 30);
    payment.PaymentSum = Money::FromText(QString::fromLatin1(amount));
    book.InsertPayment(creditID, payment);
    if (commit)
        transaction->Commit();
}

}

class TestServerClerks : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;

    QString NewBook()
    {
        const QString address = m_cluster.NewDatabase();
        TPgConnection connection(address);
        CreateServerBook(connection);
        return address;
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void cleanupTestCase() { m_cluster.Stop(); }

    void namedParametersBecomeNumbered_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<TQueryParams>("params");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<TPgParams>("values");
        QTest::newRow("in order of appearance, repeated names once")
            << "SELECT * FROM t WHERE a = :A AND b < :B OR a > :A"
            << TQueryParams { { "B", 2 }, { "A", QStringLiteral("x") } } << "SELECT * FROM t WHERE a = $1 AND b < $2 OR a > $1"
            << TPgParams { QStringLiteral("x"), QStringLiteral("2") };
        QTest::newRow("quotes and casts left alone")
            << "SELECT ':No', \":Nor\", v::text, :Yes::integer FROM t" << TQueryParams { { "Yes", 5 } }
            << "SELECT ':No', \":Nor\", v::text, $1::integer FROM t" << TPgParams { QStringLiteral("5") };
        QTest::newRow("unnamed values passed over, missing ones NULL, empty text NULL")
            << "UPDATE t SET a = :A, b = :B" << TQueryParams { { "C", 1 }, { "B", QString() } }
            << "UPDATE t SET a = $1, b = $2" << TPgParams { std::nullopt, std::nullopt };
        QTest::newRow("flags and reals") << "SELECT :F, :R" << TQueryParams { { "F", true }, { "R", 0.1 } }
                                         << "SELECT $1, $2" << TPgParams { QStringLiteral("1"), QStringLiteral("0.1") };
    }
    void namedParametersBecomeNumbered()
    {
        QFETCH(QString, sql);
        QFETCH(TQueryParams, params);
        QFETCH(QString, expected);
        QFETCH(TPgParams, values);
        const TServerStatement statement = ToServerStatement(sql, params);
        QCOMPARE(statement.Sql, expected);
        QVERIFY(statement.Params == values);
    }

    // Clerks pay at once, some payments rolled back, one taken back: the
    // numbers handed out are 1..N without a gap or a repeat, and the number of
    // the payment taken back is not handed out again.
    void orderNumbersStayGaplessUnderConcurrentPayments()
    {
        const QString address = NewBook();
        std::vector<int> credits;
        {
            TServerDataAccessFacade book(address);
            for (const char* surname : { "Аксёнова", "Борисов" })
                credits.push_back(AddCredit(book, QString::fromUtf8(surname)));
        }
        constexpr int Clerks = 4;
        constexpr int Rounds = 15;
        std::atomic<int> failures = 0;
        std::vector<std::thread> clerks;
        for (int clerk = 0; clerk < Clerks; ++clerk) {
            clerks.emplace_back([&, clerk] {
                try {
                    TServerDataAccessFacade book(address);
                    for (int round = 0; round < Rounds; ++round)
                        Pay(book, credits[std::size_t((clerk + round) % 2)], "10.01", round % 3 != 0);
                } catch (...) {
                    ++failures;
                }
            });
        }
        for (std::thread& clerk : clerks)
            clerk.join();
        QCOMPARE(failures.load(), 0);

        TServerDataAccessFacade book(address);
        TPgConnection& connection = book.Connection();
        const int kept = Clerks * (Rounds - (Rounds + 2) / 3);
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) || ' ' || min(PaymentID) || ' ' || max(PaymentID) "
                                                  "|| ' ' || count(DISTINCT OrderNumber) FROM PaymentHistory")),
                 QStringLiteral("%1 1 %1 %1").arg(kept));
        // Each credit's total is the sum of its payments.
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM Credits WHERE PaymentsSum <> (SELECT "
                                                  "coalesce(sum(PaymentSum), 0) FROM PaymentHistory p WHERE "
                                                  "p.CreditID = Credits.CreditID)")),
                 QStringLiteral("0"));

        TPaymentHistoryItem latest;
        QVERIFY(book.LoadLatestPayment(credits[0], latest, nullptr));
        book.DeletePayment(latest.GetID());
        Pay(book, credits[0], "1", true);
        QVERIFY(book.LoadLatestPayment(credits[0], latest, nullptr));
        QCOMPARE(latest.GetID(), kept + 1);
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = 'advisory' "
                                                  "OR (locktype = 'transactionid' AND NOT granted)")),
                 QStringLiteral("0"));
    }

    // The second program waits for the first one's indexing, then finds it done.
    void theDailyIndexingRunsOnce()
    {
        const QString address = NewBook();
        TClockPin clock(DateTime::FromYMD(2026, 3, 20, 8, 0));
        TServerDataAccessFacade first(address);
        const int creditID = AddCredit(first, QStringLiteral("Петров"));
        TServerDataAccessFacade second(address);
        TPgConnection watcher(address);

        // The first holds the lock as its indexing would.
        const auto holding = first.BeginWrite();
        first.Connection().Execute(QStringLiteral("SELECT pg_advisory_xact_lock($1)"),
                                   { QString::number(TServerDataAccessFacade::IndexingLockKey()) });
        std::atomic<int> secondIndexed = -1;
        std::thread waiting([&] { secondIndexed = second.UpdateSchedulesDelayWhenDue(24) ? 1 : 0; });
        QTRY_COMPARE(Value(watcher, QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = 'advisory' "
                                                   "AND NOT granted")),
                     QStringLiteral("1"));
        first.UpdateSchedulesDelay();
        holding->Commit();
        waiting.join();
        QCOMPARE(secondIndexed.load(), 0);
        TPaymentSchedule schedule;
        second.LoadPaymentSchedule(creditID, schedule);
        QVERIFY(schedule.Items(0)->WasDelay);
        QCOMPARE(second.GetLastSchedulesDelayUpdate().Date(), QDate(2026, 3, 20));

        // More than a day later it is due again; within the hours it is not.
        QVERIFY(!first.UpdateSchedulesDelayWhenDue(24));
        clock.Set(DateTime::FromYMD(2026, 3, 21, 9, 0));
        QVERIFY(second.UpdateSchedulesDelayWhenDue(24));
        QVERIFY(!first.UpdateSchedulesDelayWhenDue(24));
    }

    void anotherClerksChangeIsNoticed()
    {
        const QString address = NewBook();
        TServerDataAccessFacade mine(address);
        TServerDataAccessFacade theirs(address);
        QVERIFY(mine.NotificationSocket() >= 0);
        QVERIFY(!mine.WrittenElsewhere());
        AddCredit(theirs, QStringLiteral("Сидоров"));
        // Each look takes the news away: kept once seen, for QTRY's last look.
        bool noticed = false;
        QTRY_VERIFY(noticed = noticed || mine.WrittenElsewhere());
        QVERIFY(!mine.WrittenElsewhere());
        // One's own writes are no news, and neither is what was rolled back.
        AddCredit(mine, QStringLiteral("Иванов"));
        {
            const auto dropped = theirs.BeginWrite();
            AddCredit(theirs, QStringLiteral("Кузнецов"));
        }
        TCompany company;
        mine.LoadCompany(company);
        QVERIFY(!mine.WrittenElsewhere());
    }

    // A clerk's role with just the rights the README gives clerks does
    // everything the program does.
    void aClerksRightsAreEnough()
    {
        const QString address = NewBook();
        {
            TPgConnection owner(address);
            owner.ExecuteScript(QStringLiteral(
                "DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'clerk') THEN "
                "CREATE ROLE clerk LOGIN; END IF; END $$;") + ClerkRightsScript(QStringLiteral("clerk")));
        }
        TClockPin clock(DateTime::FromYMD(2026, 3, 20, 8, 0));
        TServerDataAccessFacade book(QString(address).replace(QLatin1String("user=varnel"), QLatin1String("user=clerk")));
        std::optional<TDBVersion> found;
        QVERIFY(book.VerifyDBVersion(TDBVersion { 2, 0, 0, 0, 3 }, found));
        const int creditID = AddCredit(book, QStringLiteral("Фёдорова"));
        Pay(book, creditID, "100", true);
        TPaymentHistoryItem latest;
        QVERIFY(book.LoadLatestPayment(creditID, latest, nullptr));
        book.DeletePayment(latest.GetID());
        Pay(book, creditID, "200", true);
        QVERIFY(book.UpdateSchedulesDelayWhenDue(24));
        TCompany company;
        company.CompanyName = QStringLiteral("ООО «Ромашка»");
        book.SaveCompany(company);
        TCreditsList credits;
        book.LoadDebtorCredits(book.GetMaxDebtorID(), credits);
        QCOMPARE(credits.Items(0)->PaymentsSum, Money::FromText(QStringLiteral("200")));
        QCOMPARE(credits.Items(0)->DelayCount, 2);
    }

    // The server ends the connection in the middle of a payment: the clerk
    // is told, nothing of the payment stays, and the next use connects again.
    void aLostConnectionWritesNothingAndComesBack()
    {
        const QString address = NewBook();
        TServerDataAccessFacade book(address);
        const int creditID = AddCredit(book, QStringLiteral("Смирнов"));
        TPgConnection admin(address);
        const QString pid = Value(book.Connection(), QStringLiteral("SELECT pg_backend_pid()"));
        try {
            const auto transaction = book.BeginWrite();
            book.LockCredit(creditID);
            TPaymentHistoryItem payment;
            payment.PaymentSum = Money::FromText(QStringLiteral("500"));
            book.InsertPayment(creditID, payment);
            admin.Execute(QStringLiteral("SELECT pg_terminate_backend($1)"), { pid });
            TCredit credit;
            book.LoadCredit(creditID, credit);
            transaction->Commit();
            QFAIL("the lost connection went unnoticed");
        } catch (const EServerConnectionLostException& error) {
            QVERIFY2(error.Message().startsWith(QStringLiteral("Связь с сервером базы данных потеряна. Ничего не записано")),
                     qPrintable(error.Message()));
        }
        TCredit credit;
        QCOMPARE(book.LoadCredit(creditID, credit), 1);
        QCOMPARE(credit.PaymentsSum, Money());
        QCOMPARE(Value(admin, QStringLiteral("SELECT count(*) FROM PaymentHistory")), QStringLiteral("0"));
        // Listening again after the reconnection.
        TServerDataAccessFacade other(address);
        AddCredit(other, QStringLiteral("Орлов"));
        bool noticed = false;
        QTRY_VERIFY(noticed = noticed || book.WrittenElsewhere());
    }
};

QTEST_GUILESS_MAIN(TestServerClerks)
#include "TestServerClerks.moc"
