#include "support/ClockPin.h"
#include "support/DataTestSupport.h"

#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"

// Today is 12 May 2009 throughout.
class TestOverdueIndexing : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;
    std::unique_ptr<TClockPin> m_clock;

    const DateTime m_now = DateTime::FromYMD(2009, 5, 12, 9, 30, 15, 500);

    int AddCredit()
    {
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Иванов");
        m_book->facade->InsertDebtor(&debtor);
        TCredit credit;
        m_book->facade->InsertCredit(debtor.GetID(), &credit);
        return credit.GetID();
    }
    void Pay(int creditID, const char* sum)
    {
        TPaymentHistoryItem payment;
        payment.PaymentSum = Money::FromText(QString::fromLatin1(sum));
        m_book->facade->InsertPayment(creditID, &payment);
    }
    QList<QByteArray> Flags()
    {
        return DataTest::RawColumn(m_book->path,
                                   "SELECT WasDelay || ActiveDelay FROM PaymentSchedule ORDER BY ScheduleID");
    }
    QByteArray Raw(const QByteArray& sql) { return m_book->Raw(sql); }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init()
    {
        m_book = std::make_unique<DataTest::TBook>();
        m_clock = std::make_unique<TClockPin>(m_now);
    }
    void cleanup()
    {
        m_book.reset();
        m_clock.reset();
    }

    // The credit of 10000 at 12 % for 12 months, two instalments paid.
    void workedExample()
    {
        const int creditID = AddCredit();
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 2, 15), 12);
        m_book->facade->InsertPaymentSchedule(creditID, &schedule);
        Pay(creditID, "888.4879");
        Pay(creditID, "888.4879");
        QCOMPARE(Raw("SELECT PaymentsSum FROM Credits"), QByteArray("1776.9758"));

        m_book->facade->UpdateSchedulesDelay();
        const QList<QByteArray> flags = Flags();
        // 15 Feb and 15 Mar covered; 15 Apr late and due; 15 May due; 15 Jun on.
        QCOMPARE(flags.mid(0, 5), (QList<QByteArray> { "00", "00", "11", "01", "00" }));
        QCOMPARE(flags.mid(5), QList<QByteArray>(7, "00"));
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Credits"), QByteArray("12"));
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Debtors"), QByteArray("12"));

        // The next month's payment covers April: its ActiveDelay goes, its WasDelay stays.
        Pay(creditID, "888.4879");
        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(Flags().mid(0, 5), (QList<QByteArray> { "00", "00", "10", "01", "00" }));
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Debtors"), QByteArray("11"));
    }

    void oneRow_data()
    {
        QTest::addColumn<QByteArray>("dueDate");     // stored text
        QTest::addColumn<QByteArray>("mustBePaid");  // MustBePaymentSum
        QTest::addColumn<QByteArray>("paid");        // Credits.PaymentsSum as SQL
        QTest::addColumn<QByteArray>("flagsBefore"); // WasDelay, ActiveDelay
        QTest::addColumn<QByteArray>("flagsAfter");
        QTest::newRow("due today, unpaid") << QByteArray("2009-05-12 00:00:00.000") << QByteArray("100")
                                           << QByteArray("0") << QByteArray("00") << QByteArray("01");
        QTest::newRow("due yesterday, unpaid") << QByteArray("2009-05-11 00:00:00.000") << QByteArray("100")
                                               << QByteArray("0") << QByteArray("00") << QByteArray("11");
        QTest::newRow("due in three days") << QByteArray("2009-05-15 00:00:00.000") << QByteArray("100")
                                           << QByteArray("0") << QByteArray("00") << QByteArray("01");
        QTest::newRow("due in four days, was active") << QByteArray("2009-05-16 00:00:00.000") << QByteArray("100")
                                                      << QByteArray("0") << QByteArray("01") << QByteArray("00");
        QTest::newRow("shortfall of exactly a kopeck")
            << QByteArray("2009-04-15 00:00:00.000") << QByteArray("2665.4637") << QByteArray("2665.4537")
            << QByteArray("00") << QByteArray("11");
        QTest::newRow("shortfall below a kopeck") << QByteArray("2009-04-15 00:00:00.000") << QByteArray("2665.4636")
                                                  << QByteArray("2665.4537") << QByteArray("01") << QByteArray("00");
        QTest::newRow("covered later, was late") << QByteArray("2009-04-15 00:00:00.000") << QByteArray("100")
                                                 << QByteArray("100") << QByteArray("11") << QByteArray("10");
        QTest::newRow("overpaid") << QByteArray("2009-04-15 00:00:00.000") << QByteArray("100") << QByteArray("250.5")
                                  << QByteArray("00") << QByteArray("00");
        QTest::newRow("empty payments sum is unpaid") << QByteArray("2009-04-15 00:00:00.000") << QByteArray("100")
                                                      << QByteArray("NULL") << QByteArray("00") << QByteArray("11");
        QTest::newRow("today with a time of day is not before today")
            << QByteArray("2009-05-12 10:00:00.000") << QByteArray("100") << QByteArray("0") << QByteArray("00")
            << QByteArray("01");
        QTest::newRow("ten-character date")
            << QByteArray("2009-05-11") << QByteArray("100") << QByteArray("0") << QByteArray("00") << QByteArray("11");
    }
    void oneRow()
    {
        QFETCH(QByteArray, dueDate);
        QFETCH(QByteArray, mustBePaid);
        QFETCH(QByteArray, paid);
        QFETCH(QByteArray, flagsBefore);
        QFETCH(QByteArray, flagsAfter);
        const int creditID = AddCredit();
        DataTest::RawExec(m_book->path,
                          "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum, WasDelay, "
                          "ActiveDelay) VALUES ("
                              + QByteArray::number(creditID) + ", '" + dueDate + "', '" + mustBePaid + "', "
                              + flagsBefore.left(1) + ", " + flagsBefore.right(1)
                              + ");"
                                "UPDATE Credits SET PaymentsSum = "
                              + paid);
        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(Flags(), QList<QByteArray> { flagsAfter });
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Credits"), flagsAfter);
    }

    void lastRunIsRecorded()
    {
        QVERIFY(!m_book->facade->DataBaseStateExists());
        QCOMPARE(m_book->facade->GetLastSchedulesDelayUpdate(), DateTime());
        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(m_book->facade->GetLastSchedulesDelayUpdate(), m_now);
        QCOMPARE(Raw("SELECT LastSchedulesDelayUpdate FROM DataBaseState"), QByteArray("2009-05-12 09:30:15.500"));

        const DateTime later = DateTime::FromYMD(2009, 5, 13, 8, 0);
        m_clock->Set(later);
        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(Raw("SELECT Count(*) FROM DataBaseState"), QByteArray("1"));
        QCOMPARE(m_book->facade->GetLastSchedulesDelayUpdate(), later);

        DataTest::RawExec(m_book->path, "UPDATE DataBaseState SET LastSchedulesDelayUpdate = NULL");
        QCOMPARE(m_book->facade->GetLastSchedulesDelayUpdate(), DateTime());
    }

    // The window sees the indexing only through its narrow interface.
    void offeredThroughItsInterface()
    {
        IUpdateSchedulesDelayInterface& indexing = *m_book->facade;
        indexing.UpdateSchedulesDelay();
        QVERIFY(m_book->facade->DataBaseStateExists());
    }
};

QTEST_APPLESS_MAIN(TestOverdueIndexing)
#include "TestOverdueIndexing.moc"
