#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/PlainIndexing.h"

#include "sqlite/ResultSet.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/ScopedClock.h"

namespace {

// A day written in one of the two forms schedule dates are found stored in.
QByteArray Stored(const DateTime& day, bool shortForm)
{
    return TDataAccessFacade::DateTimeToSQLText(day, true).left(shortForm ? 10 : 23).toLatin1();
}

// A book of every state a row can be in before an indexing on 12 May 2009: its
// credit has paid all of the 100 it must have by then, all but a kopeck, all but
// less than a kopeck, or nothing (one debtor each); it is due long ago, yesterday,
// today, on the third day, on the fourth, or a month on (one credit each); its
// flags are 00, 01, 10 or 11 (one row each).
QByteArray StatesBook(bool shortForm)
{
    const DateTime today = DateTime::FromYMD(2009, 5, 12);
    QByteArray sql = "BEGIN;";
    int creditID = 0;
    int debtorID = 0;
    for (const char* paid : { "100", "99.99", "99.9901", "0" }) {
        sql += "INSERT INTO Debtors (Surname) VALUES ('" + QByteArray(paid) + "');";
        ++debtorID;
        for (const int days : { -40, -1, 0, 3, 4, 30 }) {
            sql += "INSERT INTO Credits (DebtorID, PaymentsSum) VALUES (" + QByteArray::number(debtorID) + ", " + paid
                + ");";
            ++creditID;
            for (const char* flags : { "0, 0", "0, 1", "1, 0", "1, 1" })
                sql += "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum, Annua, WasDelay, "
                       "ActiveDelay) VALUES ("
                    + QByteArray::number(creditID) + ", '" + Stored(today.AddDays(days), shortForm) + "', 100, 100, "
                    + flags + ");";
        }
    }
    return sql + "COMMIT;";
}

// What an indexing leaves behind: every row's flags and the counters.
QList<QByteArray> FlagsAndCounters(const QString& path)
{
    return DataTest::RawColumn(path, "SELECT 'row ' || ScheduleID || ': ' || WasDelay || ActiveDelay "
                                     "FROM PaymentSchedule UNION ALL "
                                     "SELECT 'credit ' || CreditID || ': ' || DelayCount || ' ' || ActiveDelayCount "
                                     "FROM Credits UNION ALL "
                                     "SELECT 'debtor ' || DebtorID || ': ' || DelayCount || ' ' || ActiveDelayCount "
                                     "FROM Debtors");
}

// A clock that moves on by a second every time it is read.
class TTickingClock : public IClock
{
public:
    explicit TTickingClock(const DateTime& start)
        : m_next(start)
    {
    }
    DateTime Now() const override
    {
        const DateTime now = m_next;
        constexpr int Day = 24 * 3600 * 1000;
        const int next = now.MSecOfDay() + 1000;
        m_next = DateTime(now.Date().addDays(next / Day), QTime::fromMSecsSinceStartOfDay(next % Day));
        return now;
    }

private:
    mutable DateTime m_next;
};

}

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
        m_book->facade->InsertDebtor(debtor);
        TCredit credit;
        m_book->facade->InsertCredit(debtor.GetID(), credit);
        return credit.GetID();
    }
    void Pay(int creditID, const char* sum)
    {
        TPaymentHistoryItem payment;
        payment.PaymentSum = Money::FromText(QString::fromLatin1(sum));
        m_book->facade->InsertPayment(creditID, payment);
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
        m_book->facade->InsertPaymentSchedule(creditID, schedule);
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

    // Indexed on three days in turn, with payments in between, the book of every
    // state gives the same flags and counters as the three plain statements give
    // on a copy of it: the whole file is the same, the record of the run included.
    void sameAsThePlainStatements()
    {
        DataTest::RawExec(m_book->path, StatesBook(false));
        const QString plain = m_book->dir.filePath(QStringLiteral("plain.s3db"));
        QVERIFY(QFile::copy(m_book->path, plain));
        const DateTime days[] = { m_now, DateTime::FromYMD(2009, 5, 14, 18, 0), DateTime::FromYMD(2009, 6, 13, 8, 0) };
        for (const DateTime& now : days) {
            m_clock->Set(now);
            m_book->facade->UpdateSchedulesDelay();
            PlainIndexing::Run(plain, now);
            QCOMPARE(DataTest::DumpContent(m_book->path), DataTest::DumpContent(plain));
            if (now == m_now) // every combination of flags came out of the first run
                QCOMPARE(Raw("SELECT Count(DISTINCT WasDelay || ActiveDelay) FROM PaymentSchedule"), QByteArray("4"));
            // Some credits are paid off, one gets a little less than a kopeck short.
            for (const QString& path : { m_book->path, plain })
                DataTest::RawExec(path, "INSERT INTO PaymentHistory (CreditID, PaymentSum) VALUES (20, 100), "
                                        "(21, 100), (1, 0.0099), (7, 0.0098)");
        }
    }

    // The ten-character form of older files and the full form of a day index alike.
    void shortDatesIndexLikeFullOnes()
    {
        DataTest::RawExec(m_book->path, StatesBook(false));
        DataTest::TBook shortDated;
        DataTest::RawExec(shortDated.path, StatesBook(true));
        QCOMPARE(DataTest::RawValue(shortDated.path, "SELECT Max(Length(PaymentDate)) FROM PaymentSchedule"),
                 QByteArray("10"));
        m_book->facade->UpdateSchedulesDelay();
        shortDated.facade->UpdateSchedulesDelay();
        QCOMPARE(FlagsAndCounters(shortDated.path), FlagsAndCounters(m_book->path));
    }

    // A row is written only when one of its flags changes; a second run on the
    // same day, with nothing changed since, writes nothing at all.
    void writesOnlyRowsWhoseFlagsChange()
    {
        DataTest::RawExec(m_book->path,
                          StatesBook(false)
                              + "CREATE TABLE Written (Flags TEXT);"
                                "CREATE TRIGGER NoteWrite AFTER UPDATE ON PaymentSchedule BEGIN INSERT INTO Written "
                                "VALUES (OLD.WasDelay || OLD.ActiveDelay || ' ' || NEW.WasDelay || NEW.ActiveDelay); "
                                "END");
        m_book->facade->UpdateSchedulesDelay();
        QVERIFY(Raw("SELECT Count(*) FROM Written").toInt() > 20);
        QCOMPARE(Raw("SELECT Count(*) FROM Written WHERE substr(Flags, 1, 2) = substr(Flags, 4, 2)"), QByteArray("0"));

        DataTest::RawExec(m_book->path, "DELETE FROM Written");
        m_clock->Set(DateTime::FromYMD(2009, 5, 12, 17, 45));
        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(Raw("SELECT Count(*) FROM Written"), QByteArray("0"));
        QCOMPARE(m_book->facade->GetLastSchedulesDelayUpdate(), DateTime::FromYMD(2009, 5, 12, 17, 45));
    }

    // The clock is read once: a run begun a moment before midnight indexes for
    // that day and records that moment, however long it takes.
    void runAcrossMidnight()
    {
        const int creditID = AddCredit();
        DataTest::RawExec(m_book->path, "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum) VALUES ("
                                            + QByteArray::number(creditID) + ", '2009-05-11 00:00:00.000', 100)");
        const TTickingClock ticking(DateTime::FromYMD(2009, 5, 11, 23, 59, 59, 500));
        const TScopedClock inPlace(ticking);
        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(Flags(), QList<QByteArray> { "01" }); // due that day, not yet late
        QCOMPARE(m_book->facade->GetLastSchedulesDelayUpdate(), DateTime::FromYMD(2009, 5, 11, 23, 59, 59, 500));
    }

    // A stored date in either form falls on its own day for the indexing and for
    // every question asked about a day: the due row, the debtors due on the day,
    // the payments of the day, the month's forecast and takings, the defaulters.
    void dayComparisonsForBothStoredForms_data()
    {
        QTest::addColumn<bool>("shortForm");
        QTest::addColumn<int>("days"); // from today, 12 May 2009
        QTest::addColumn<QByteArray>("flags"); // of an unpaid row due on that day, none set before
        for (const bool shortForm : { false, true }) {
            const char* form = shortForm ? "ten characters" : "full form";
            QTest::addRow("%s, long ago", form) << shortForm << -40 << QByteArray("11");
            QTest::addRow("%s, yesterday", form) << shortForm << -1 << QByteArray("11");
            QTest::addRow("%s, today", form) << shortForm << 0 << QByteArray("01");
            QTest::addRow("%s, third day", form) << shortForm << 3 << QByteArray("01");
            QTest::addRow("%s, fourth day", form) << shortForm << 4 << QByteArray("00");
            QTest::addRow("%s, a month on", form) << shortForm << 30 << QByteArray("00");
        }
    }
    void dayComparisonsForBothStoredForms()
    {
        QFETCH(bool, shortForm);
        QFETCH(int, days);
        QFETCH(QByteArray, flags);
        const DateTime day = m_now.AddDays(days).DayOnly();
        // Credit 1: the row under test. Credit 2, the same debtor's: unpaid since
        // January, so that the debtor is among the defaulters. Credit 3, another
        // debtor's: a payment recorded on the day.
        const int creditID = AddCredit();
        TCredit overdue;
        m_book->facade->InsertCredit(1, overdue);
        const int payer = AddCredit();
        DataTest::RawExec(m_book->path,
                          "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum, Annua) VALUES ("
                              + QByteArray::number(creditID) + ", '" + Stored(day, shortForm) + "', 100, 100), ("
                              + QByteArray::number(overdue.GetID()) + ", '2009-01-10 00:00:00.000', 50, 50);"
                              + "INSERT INTO PaymentHistory (CreditID, PaymentDate, PaymentSum) VALUES ("
                              + QByteArray::number(payer) + ", '"
                              + (shortForm ? Stored(day, true) : Stored(day, false).left(11) + "14:20:05.250")
                              + "', 7)");

        m_book->facade->UpdateSchedulesDelay();
        QCOMPARE(Flags().first(), flags);
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Credits WHERE CreditID = 1"), flags);

        TPaymentScheduleItem due;
        QVERIFY(m_book->facade->LoadScheduleFromDate(creditID, due, DateTime(day.Date(), QTime(18, 5))));
        QCOMPARE(due.GetID(), 1);
        QCOMPARE(due.PaymentDate, day);
        TPaymentScheduleItem later;
        m_book->facade->LoadScheduleFromDate(creditID, later, day.AddDays(1));
        QCOMPARE(later.GetID(), -1);

        const auto count = [](std::unique_ptr<TResultSet> result) { return result->RowCount(); };
        const DateTime midday(day.Date(), QTime(12, 0));
        QCOMPARE(count(m_book->facade->OpenDebtorsForDateQuery(midday)), 1);
        QCOMPARE(count(m_book->facade->OpenDebtorsForDateQuery(day.AddDays(-1))), 0);
        QCOMPARE(count(m_book->facade->OpenDebtorsForDateQuery(day.AddDays(1))), 0);
        QCOMPARE(count(m_book->facade->OpenPaymentsForDateQuery(midday)), 1);
        QCOMPARE(count(m_book->facade->OpenPaymentsForDateQuery(day.AddDays(-1))), 0);
        QCOMPARE(count(m_book->facade->OpenPaymentsForDateQuery(day.AddDays(1))), 0);
        const int month = day.Date().month();
        const int year = day.Date().year();
        QCOMPARE(m_book->facade->GetMonthPaymentForecast(month, year), Money::FromText(QStringLiteral("100")));
        QCOMPARE(m_book->facade->GetMonthPaymentsTotal(month, year), Money::FromText(QStringLiteral("7")));
        // The defaulters' window for the month ends on its day and begins the day
        // after the same day a month back: for a row paid up, of a debtor still in default.
        DataTest::RawExec(m_book->path, "UPDATE Credits SET PaymentsSum = 100 WHERE CreditID = " + QByteArray::number(creditID));
        const auto rowsOfCredit = [creditID](std::unique_ptr<TResultSet> result) {
            int rows = 0;
            for (int row = 0; row < result->RowCount(); ++row)
                rows += result->Text(row, result->ColumnIndex(QStringLiteral("CreditID"))).toInt() == creditID ? 1 : 0;
            return rows;
        };
        QCOMPARE(rowsOfCredit(m_book->facade->OpenInsolventQuery(day)), 1);
        QCOMPARE(rowsOfCredit(m_book->facade->OpenInsolventQuery(day.AddDays(-1))), 0);
        QCOMPARE(rowsOfCredit(m_book->facade->OpenInsolventQuery(day.AddMonths(1))), 0);
        QCOMPARE(rowsOfCredit(m_book->facade->OpenInsolventQuery(day.AddMonths(1).AddDays(-1))), 1);
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
