#include "ScheduleRowData.h"

#include "domain/Credit.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScheduleCalculation.h"
#include "support/SampleRecords.h"

#include <QLocale>
#include <QTest>

namespace {

TCredit MakeCredit(const QString& size, int period, int percent, int day)
{
    TCredit credit;
    credit.CreditSize = Money::FromText(size);
    credit.CreditPeriod = period;
    credit.YearPercent = percent;
    credit.PaymentDay = day;
    return credit;
}

// The worked example's contract date.
const DateTime ExampleStart = DateTime::FromYMD(2009, 1, 20);

}

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    void monthlyRateIsTheNearestDouble()
    {
        QCOMPARE(MonthlyRate(12), 0.01);
        QCOMPARE(MonthlyRate(6), 0.005);
        QCOMPARE(MonthlyRate(0), 0.0);
    }

    void workedExample_data()
    {
        AddScheduleRowColumns();
        const auto row = [](int n, QDate date, const char* annua, const char* percents,
                            const char* payingOff, const char* balance, const char* mustBePaid) {
            QTest::addRow("row %d", n) << n << date << QString(annua) << QString(percents)
                                       << QString(payingOff) << QString(balance) << QString(mustBePaid);
        };
        row(1, QDate(2009, 2, 15), "888.4879", "100.0000", "788.4879", "9211.5121", "888.4879");
        row(2, QDate(2009, 3, 15), "888.4879", "92.1151", "796.3728", "8415.1393", "1776.9758");
        row(3, QDate(2009, 4, 15), "888.4879", "84.1514", "804.3365", "7610.8028", "2665.4637");
        row(4, QDate(2009, 5, 15), "888.4879", "76.1080", "812.3799", "6798.4229", "3553.9516");
        row(5, QDate(2009, 6, 15), "888.4879", "67.9842", "820.5037", "5977.9192", "4442.4395");
        row(6, QDate(2009, 7, 15), "888.4879", "59.7792", "828.7087", "5149.2105", "5330.9274");
        row(7, QDate(2009, 8, 15), "888.4879", "51.4921", "836.9958", "4312.2147", "6219.4153");
        row(8, QDate(2009, 9, 15), "888.4879", "43.1221", "845.3658", "3466.8489", "7107.9032");
        row(9, QDate(2009, 10, 15), "888.4879", "34.6685", "853.8194", "2613.0295", "7996.3911");
        row(10, QDate(2009, 11, 15), "888.4879", "26.1303", "862.3576", "1750.6719", "8884.8790");
        row(11, QDate(2009, 12, 15), "888.4879", "17.5067", "870.9812", "879.6907", "9773.3669");
        // The last balance is not forced to zero.
        row(12, QDate(2010, 1, 15), "888.4879", "8.7969", "879.6910", "-0.0003", "10661.8548");
    }
    void workedExample()
    {
        QFETCH(int, row);
        TCredit credit = Sample::WorkedExampleCredit();
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, ExampleStart);
        QCOMPARE(schedule.Count(), 12);
        QCOMPARE(credit.FullMustBePaymentSum.ToFixedText(), QStringLiteral("10661.8548"));
        const TPaymentScheduleItem* item = schedule.Items(row - 1);
        QCOMPARE(item->GetID(), -1);
        QVERIFY(!item->WasDelay && !item->ActiveDelay && !item->Modified && !item->Deleted);
        CompareScheduleRow(item);
    }

    void annuity_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("annua");
        QTest::newRow("worked example") << 12 << 12 << "10000" << "888.4879";
        QTest::newRow("one month") << 12 << 1 << "10000" << "10100.0000";
        // Exactly on a tie at the fourth decimal; double-only steps give 5491.8125.
        QTest::newRow("tie kept by extended precision") << 6 << 1 << "5464.49" << "5491.8124";
        QTest::newRow("no months") << 12 << 0 << "10000" << "0.0000";
        QTest::newRow("negative period") << 12 << -3 << "10000" << "0.0000";
        // Interest-free: equal parts of the principal, ties to even.
        QTest::newRow("interest-free") << 0 << 3 << "10000" << "3333.3333";
        QTest::newRow("interest-free tie down") << 0 << 4 << "0.001" << "0.0002";
        QTest::newRow("interest-free tie up") << 0 << 4 << "0.0006" << "0.0002";
        QTest::newRow("interest-free negative") << 0 << 4 << "-0.001" << "-0.0002";
        QTest::newRow("interest-free no months") << 0 << 0 << "10000" << "0.0000";
        // A monthly factor of -1 over an even period has a zero denominator.
        QTest::newRow("zero denominator") << -2400 << 2 << "10000" << "0.0000";
    }
    void annuity()
    {
        QFETCH(int, percent);
        QFETCH(int, period);
        QFETCH(QString, size);
        QFETCH(QString, annua);
        QCOMPARE(CalcAnnuity(percent, period, Money::FromText(size)).ToFixedText(), annua);
    }

    void oneRowSchedules_data()
    {
        AddScheduleRowColumns();
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("start");
        QTest::newRow("tie case") << 1 << QDate(2009, 4, 10) << "5491.8124" << "27.3225" << "5464.4899"
                                  << "0.0001" << "5491.8124" << "5464.49" << 6 << 10 << QDate(2009, 3, 5);
        QTest::newRow("12 %") << 1 << QDate(2009, 2, 15) << "10100.0000" << "100.0000" << "10000.0000"
                              << "0.0000" << "10100.0000" << "10000" << 12 << 15 << QDate(2009, 1, 20);
        QTest::newRow("interest-free") << 1 << QDate(2009, 2, 15) << "10000.0000" << "0.0000" << "10000.0000"
                                       << "0.0000" << "10000.0000" << "10000" << 0 << 15 << QDate(2009, 1, 20);
    }
    void oneRowSchedules()
    {
        QFETCH(QString, size);
        QFETCH(int, percent);
        QFETCH(int, day);
        QFETCH(QDate, start);
        TCredit credit = MakeCredit(size, 1, percent, day);
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, DateTime(start));
        QCOMPARE(schedule.Count(), 1);
        QCOMPARE(credit.FullMustBePaymentSum, schedule.Items(0)->Annua);
        CompareScheduleRow(schedule.Items(0));
    }

    void interestFreeLoanStaysOnTheBook()
    {
        TCredit credit = MakeCredit(QStringLiteral("10000"), 3, 0, 15);
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, ExampleStart);
        QCOMPARE(schedule.Count(), 3);
        for (const auto& row : schedule) {
            QCOMPARE(row->Annua.ToFixedText(), QStringLiteral("3333.3333"));
            QCOMPARE(row->CreditPercents, Money());
            QCOMPARE(row->PayingOff, row->Annua);
        }
        // The last row keeps what the rounding leaves over.
        QCOMPARE(schedule.Items(1)->Balance.ToFixedText(), QStringLiteral("3333.3334"));
        QCOMPARE(schedule.Items(2)->Balance.ToFixedText(), QStringLiteral("0.0001"));
        QCOMPARE(credit.FullMustBePaymentSum.ToFixedText(), QStringLiteral("9999.9999"));
        QVERIFY(!credit.IsPaidOff());
    }

    void noMonthsNoRows_data()
    {
        QTest::addColumn<int>("period");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1;
    }
    void noMonthsNoRows()
    {
        QFETCH(int, period);
        TCredit credit = MakeCredit(QStringLiteral("10000"), period, 12, 15);
        credit.FullMustBePaymentSum = Money::FromText(QStringLiteral("5"));
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, ExampleStart);
        QCOMPARE(schedule.Count(), 0);
        QCOMPARE(credit.FullMustBePaymentSum, Money());
    }

    void dueDates_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QList<QDate>>("dates");
        QTest::newRow("start after the day") << 15 << QDate(2009, 1, 20)
                                             << QList<QDate>{QDate(2009, 2, 15), QDate(2009, 3, 15)};
        QTest::newRow("start before the day") << 15 << QDate(2009, 1, 10)
                                              << QList<QDate>{QDate(2009, 2, 15), QDate(2009, 3, 15)};
        QTest::newRow("december start") << 10 << QDate(2009, 12, 31)
                                        << QList<QDate>{QDate(2010, 1, 10), QDate(2010, 2, 10)};
        QTest::newRow("day 28 through february")
            << 28 << QDate(2009, 1, 2)
            << QList<QDate>{QDate(2009, 2, 28), QDate(2009, 3, 28), QDate(2009, 4, 28)};
        // Each date follows the previous one, so a day clamped in February stays clamped.
        QTest::newRow("day 31 clamps once and stays")
            << 31 << QDate(2009, 1, 5)
            << QList<QDate>{QDate(2009, 2, 28), QDate(2009, 3, 28), QDate(2009, 4, 28)};
    }
    void dueDates()
    {
        QFETCH(int, day);
        QFETCH(QDate, start);
        QFETCH(QList<QDate>, dates);
        TCredit credit = MakeCredit(QStringLiteral("10000"), int(dates.size()), 12, day);
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, DateTime(start, QTime(13, 45)));
        QCOMPARE(schedule.Count(), dates.size());
        for (int i = 0; i < schedule.Count(); ++i) {
            QCOMPARE(schedule.Items(i)->PaymentDate.Date(), dates[i]);
            QCOMPARE(schedule.Items(i)->PaymentDate.MSecOfDay(), 0);
        }
    }

    void dayMissingInTheStartMonthRaises_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("start");
        QTest::newRow("30 february") << 30 << QDate(2009, 2, 20);
        QTest::newRow("31 april") << 31 << QDate(2009, 4, 1);
        QTest::newRow("day 0") << 0 << QDate(2009, 1, 20);
    }
    void dayMissingInTheStartMonthRaises()
    {
        QFETCH(int, day);
        QFETCH(QDate, start);
        QVERIFY_THROWS_EXCEPTION(Exception, FirstPaymentDate(day, DateTime(start)));

        TCredit example = Sample::WorkedExampleCredit();
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &example, ExampleStart);
        TCredit credit = MakeCredit(QStringLiteral("10000"), 12, 12, day);
        QVERIFY_THROWS_EXCEPTION(Exception, BuildSchedule(&schedule, &credit, DateTime(start)));
        QCOMPARE(schedule.Count(), 0); // the earlier rows are gone
    }

    void rebuildReplacesEveryRow()
    {
        TCredit credit = Sample::WorkedExampleCredit();
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, ExampleStart);
        schedule.Items(0)->SetID(7);
        schedule.Items(0)->Deleted = true;

        TCredit shorter = MakeCredit(QStringLiteral("10000"), 1, 12, 15);
        BuildSchedule(&schedule, &shorter, ExampleStart);
        QCOMPARE(schedule.Count(), 1);
        const TPaymentScheduleItem* row = schedule.Items(0);
        QCOMPARE(row->GetID(), -1);
        QVERIFY(!row->Deleted);
        QCOMPARE(row->Annua.ToFixedText(), QStringLiteral("10100.0000"));
        QCOMPARE(shorter.FullMustBePaymentSum.ToFixedText(), QStringLiteral("10100.0000"));
    }

    void runningTotalsSkipDeletedRows_data()
    {
        QTest::addColumn<bool>("includeDeleted");
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QString>("grandTotal");
        QTest::newRow("all rows") << true << QStringList{"1", "3", "6"} << "6";
        // The deleted row keeps its old total.
        QTest::newRow("kept rows") << false << QStringList{"1", "99", "4"} << "4";
    }
    void runningTotalsSkipDeletedRows()
    {
        QFETCH(bool, includeDeleted);
        QFETCH(QStringList, totals);
        QFETCH(QString, grandTotal);
        TPaymentSchedule schedule;
        for (int annua = 1; annua <= 3; ++annua) {
            auto row = std::make_unique<TPaymentScheduleItem>();
            row->Annua = Money::FromText(QString::number(annua));
            row->MustBePaymentSum = Money::FromText(QStringLiteral("99"));
            row->Deleted = annua == 2;
            schedule.Add(std::move(row));
        }
        QCOMPARE(RecalcMustBePaymentSums(&schedule, includeDeleted).ToText(), grandTotal);
        for (int i = 0; i < schedule.Count(); ++i)
            QCOMPARE(schedule.Items(i)->MustBePaymentSum.ToText(), totals[i]);
    }

    void missingArgumentsDoNothing()
    {
        TCredit credit = Sample::WorkedExampleCredit();
        BuildSchedule(nullptr, &credit, ExampleStart);
        QCOMPARE(credit.FullMustBePaymentSum, Money());

        TPaymentSchedule schedule;
        schedule.Add(std::make_unique<TPaymentScheduleItem>());
        BuildSchedule(&schedule, nullptr, ExampleStart);
        QCOMPARE(schedule.Count(), 1);

        TPaymentScheduleItem row;
        FillScheduleItem(&row, nullptr, Money::FromText(QStringLiteral("100")));
        QCOMPARE(row.Balance, Money());
        FillScheduleItem(nullptr, &credit, Money()); // must not crash
        QCOMPARE(RecalcMustBePaymentSums(nullptr, true), Money());
    }
};

QTEST_APPLESS_MAIN(TestSchedule)
#include "TestSchedule.moc"
