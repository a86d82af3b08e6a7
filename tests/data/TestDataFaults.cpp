#include "support/ClockPin.h"
#include "support/DataTestSupport.h"

#include "sqlite/SQLiteExceptions.h"
#include "sqlite/TransactionScope.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"

#include <QProcess>
#include <QRandomGenerator>

#include <future>
#include <sqlite3.h>
#include <thread>

// Failures in the middle of a write leave the file exactly as it was; locks,
// kills and damaged files end in SQLite's message, never in a crash.
class TestDataFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;
    std::unique_ptr<TClockPin> m_clock;

    // A debtor with one credit of four instalments from 15 Feb 2009, one of them paid.
    void FillBook()
    {
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Иванов");
        m_book->facade->InsertDebtor(debtor);
        TCredit credit;
        m_book->facade->InsertCredit(debtor.GetID(), credit);
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 2, 15), 4);
        m_book->facade->InsertPaymentSchedule(credit.GetID(), schedule);
        TPaymentHistoryItem payment;
        payment.PaymentSum = Money::FromText(QStringLiteral("888.4879"));
        m_book->facade->InsertPayment(credit.GetID(), payment);
    }
    // The failure every test injects: a trigger of the test's own file.
    void InjectFault(const QByteArray& when)
    {
        DataTest::RawExec(m_book->path,
                          "CREATE TRIGGER InjectedFault " + when + " BEGIN SELECT RAISE(ABORT, 'сбой записи'); END");
    }
    template <typename F> void ExpectFaultLeavesFileUnchanged(F&& operation)
    {
        const QByteArray before = DataTest::DumpContent(m_book->path);
        try {
            operation();
            QFAIL("the injected fault did not fire");
        } catch (const EDatabaseException& error) {
            QCOMPARE(error.Message(), QStringLiteral("сбой записи"));
        }
        QVERIFY(!m_book->facade->Connection().InTransaction());
        QCOMPARE(DataTest::DumpContent(m_book->path), before);
    }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init()
    {
        m_book = std::make_unique<DataTest::TBook>();
        m_clock = std::make_unique<TClockPin>(DateTime::FromYMD(2009, 5, 12, 9, 0));
        FillBook();
    }
    void cleanup()
    {
        m_book.reset();
        m_clock.reset();
    }

    void insertPaymentScheduleFailsHalfWay()
    {
        InjectFault("BEFORE INSERT ON PaymentSchedule WHEN NEW.MustBePaymentSum > 6000");
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 6, 15), 12); // the 7th row fails
        ExpectFaultLeavesFileUnchanged([&] { m_book->facade->InsertPaymentSchedule(1, schedule); });
    }

    void saveScheduleChangesFailsHalfWay_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::newRow("while inserting") << QByteArray(
            "BEFORE INSERT ON PaymentSchedule WHEN NEW.MustBePaymentSum > 2500");
        QTest::newRow("while updating") << QByteArray("BEFORE UPDATE OF Annua ON PaymentSchedule");
        QTest::newRow("while deleting") << QByteArray("BEFORE DELETE ON PaymentSchedule WHEN OLD.ScheduleID = 4");
    }
    void saveScheduleChangesFailsHalfWay()
    {
        QFETCH(QByteArray, fault);
        InjectFault(fault);
        TPaymentSchedule working;
        m_book->facade->LoadPaymentSchedule(1, working);
        working.Items(1)->Annua = Money::FromText(QStringLiteral("92.1151"));
        working.Items(1)->Modified = true;
        working.MarkDeletedFrom(2);
        working.Add(DataTest::ScheduleRow(DateTime::FromYMD(2009, 4, 15), "2000"));
        working.Add(DataTest::ScheduleRow(DateTime::FromYMD(2009, 5, 15), "3000"));
        ExpectFaultLeavesFileUnchanged([&] { m_book->facade->SaveScheduleChanges(1, working); });
    }

    // The clearing step fails after the marking steps changed rows: all of it goes.
    void updateSchedulesDelayFailsHalfWay()
    {
        DataTest::RawExec(m_book->path, "UPDATE PaymentSchedule SET ActiveDelay = 1 WHERE ScheduleID = 1");
        InjectFault("BEFORE UPDATE OF ActiveDelay ON PaymentSchedule WHEN NEW.ActiveDelay = 0");
        ExpectFaultLeavesFileUnchanged([&] { m_book->facade->UpdateSchedulesDelay(); });
        QVERIFY(!m_book->facade->DataBaseStateExists()); // the run stays due
    }

    // A failure inside a use case of several writes takes all of them back.
    void failingUseCaseLeavesFileUnchanged()
    {
        InjectFault("BEFORE INSERT ON PaymentSchedule WHEN NEW.MustBePaymentSum > 1000");
        ExpectFaultLeavesFileUnchanged([&] {
            TTransactionScope useCase(m_book->facade->Connection());
            TCredit credit;
            m_book->facade->InsertCredit(1, credit);
            TPaymentSchedule schedule;
            DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 6, 15), 3);
            m_book->facade->InsertPaymentSchedule(credit.GetID(), schedule);
            useCase.Commit();
        });
    }

    // Another program holds the write lock: wait, then say that the file is busy, nothing lost.
    void lockedFile()
    {
        const QByteArray before = DataTest::DumpContent(m_book->path);
        auto other = DataTest::RawOpen(m_book->path);
        other->exec("BEGIN EXCLUSIVE");
        m_book->facade->Connection().SetBusyTimeout(200);
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Петров");
        try {
            m_book->facade->InsertDebtor(debtor);
            QFAIL("wrote into a locked file");
        } catch (const EDatabaseBusyException& error) {
            QCOMPARE(error.ErrorCode(), SQLITE_BUSY);
            QCOMPARE(error.Message(), QStringLiteral("Файл базы данных занят другой программой. "
                                                     "Закройте её или повторите попытку позже."));
        }
        QCOMPARE(debtor.GetID(), -1);
        TCreditsList credits;
        QVERIFY_THROWS_EXCEPTION(EDatabaseException, m_book->facade->LoadDebtorCredits(1, credits));
        other->exec("ROLLBACK");

        QCOMPARE(DataTest::DumpContent(m_book->path), before);
        m_book->facade->InsertDebtor(debtor);
        QCOMPARE(debtor.GetID(), 2);
    }

    // A lock held for a moment only is waited for.
    void shortLockIsWaitedFor()
    {
        std::promise<void> locked;
        std::thread holder([&] {
            auto other = DataTest::RawOpen(m_book->path);
            other->exec("BEGIN EXCLUSIVE");
            locked.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            other->exec("COMMIT");
        });
        locked.get_future().wait();
        TDebtor debtor;
        m_book->facade->InsertDebtor(debtor);
        holder.join();
        QCOMPARE(debtor.GetID(), 2);
    }

    void killedWriter_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("in the middle of one long transaction") << "transaction";
        QTest::newRow("in a run of payments") << "payments";
    }
    void killedWriter()
    {
        QFETCH(QString, mode);
        m_book->facade.reset();
        const QByteArray before = DataTest::DumpContent(m_book->path);
        QProcess child;
        child.start(QStringLiteral(VARNEL_BIN_DIR "/LongWriteChild"), { m_book->path, mode });
        QVERIFY(child.waitForStarted());
        QByteArray output;
        while (!output.contains("writing") && child.state() == QProcess::Running && child.waitForReadyRead(60000))
            output += child.readAllStandardOutput();
        QVERIFY2(output.contains("writing"), child.readAllStandardError().constData());
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // Opening the file undoes what the killed transaction had begun.
        QCOMPARE(DataTest::IntegrityCheck(m_book->path), QByteArray("ok"));
        if (mode == QLatin1String("transaction")) {
            QCOMPARE(DataTest::DumpContent(m_book->path), before);
        } else {
            QVERIFY(DataTest::RawValue(m_book->path, "SELECT Count(*) FROM PaymentHistory").toInt() > 20);
            QCOMPARE(DataTest::RawValue(m_book->path,
                                        "SELECT (SELECT PaymentsSum FROM Credits WHERE CreditID = 1) = "
                                        "Round((SELECT Sum(PaymentSum) FROM PaymentHistory) * 10000) / 10000.0"),
                     QByteArray("1"));
            QCOMPARE(DataTest::RawValue(m_book->path, "SELECT Count(*) FROM PaymentHistory WHERE OrderNumber IS NULL"),
                     QByteArray("0"));
        }
        m_book->facade = DataTest::OpenFacade(m_book->path);
        std::optional<TDBVersion> found;
        QVERIFY(m_book->facade->VerifyDBVersion(RequiredDBVersion(), found));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("random bytes") << QByteArray("random");
        QTest::newRow("empty file") << QByteArray("empty");
        QTest::newRow("another program's database") << QByteArray("foreign");
        QTest::newRow("plain text") << QByteArray("text");
        QTest::newRow("cut in half") << QByteArray("truncated");
        QTest::newRow("scrambled pages") << QByteArray("scrambled");
    }
    void damagedFile()
    {
        QFETCH(QByteArray, damage);
        m_book->facade.reset();
        // Make the loan book big enough to span many pages.
        {
            auto facade = DataTest::OpenFacade(m_book->path);
            TPaymentSchedule schedule;
            DataTest::FillSchedule(schedule, DateTime::FromYMD(2010, 1, 1), 600);
            facade->InsertPaymentSchedule(1, schedule);
        }
        QFile file(m_book->path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        QRandomGenerator random(42);
        if (damage == "random" || damage == "empty" || damage == "text" || damage == "foreign") {
            file.resize(0);
            if (damage == "random") {
                QByteArray bytes(8192, Qt::Uninitialized);
                for (char& b : bytes)
                    b = char(random.bounded(256));
                file.write(bytes);
            } else if (damage == "text") {
                file.write("Фамилия;Имя\nИванов;Иван\n");
            }
            file.close();
            if (damage == "foreign")
                DataTest::RawExec(m_book->path, "CREATE TABLE Notes (Body TEXT); INSERT INTO Notes VALUES ('x')");
        } else if (damage == "truncated") {
            file.resize(size / 2);
            file.close();
        } else {
            for (qint64 offset = 4096; offset < size; offset += 4096) {
                file.seek(offset + 8);
                QByteArray bytes(64, Qt::Uninitialized);
                for (char& b : bytes)
                    b = char(random.bounded(256));
                file.write(bytes);
            }
            file.close();
        }

        // Each step either works or fails with SQLite's message; nothing may crash.
        int failures = 0;
        auto attempt = [&](auto&& step) {
            try {
                step();
            } catch (const Exception& error) {
                QVERIFY(!error.Message().isEmpty());
                ++failures;
            }
        };
        auto facade = std::make_unique<TDataAccessFacade>();
        facade->Connection().SetFileName(m_book->path);
        attempt([&] { facade->Connection().Open(); });
        std::optional<TDBVersion> found;
        bool versionPasses = false;
        attempt([&] { versionPasses = facade->VerifyDBVersion(RequiredDBVersion(), found); });
        TPaymentSchedule schedule;
        attempt([&] { facade->LoadPaymentSchedule(1, schedule); });
        attempt([&] { facade->UpdateSchedulesDelay(); });
        TDebtor debtor;
        attempt([&] { facade->InsertDebtor(debtor); });
        // None of these files passes as a loan book, and no operation pretends to work on it.
        QVERIFY(!versionPasses);
        QCOMPARE(failures, 3);
    }
};

QTEST_APPLESS_MAIN(TestDataFaults)
#include "TestDataFaults.moc"
