#include "domain/DateTime.h"
#include "domain/Exception.h"
#include "domain/Money.h"

#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void textRoundTrip_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("whole") << qint64(1000000) << "100" << "100.0000";
        QTest::newRow("one decimal") << qint64(12345000) << "1234.5" << "1234.5000";
        QTest::newRow("smallest") << qint64(1) << "0.0001" << "0.0001";
        QTest::newRow("negative") << qint64(-3) << "-0.0003" << "-0.0003";
        QTest::newRow("zero") << qint64(0) << "0" << "0.0000";
        QTest::newRow("negative whole") << qint64(-10000) << "-1" << "-1.0000";
        QTest::newRow("schedule value") << qint64(8884879) << "888.4879" << "888.4879";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "922337203685477.5807"
                                 << "922337203685477.5807";
        QTest::newRow("smallest negative") << std::numeric_limits<qint64>::min()
                                           << "-922337203685477.5808" << "-922337203685477.5808";
    }
    void textRoundTrip()
    {
        QFETCH(qint64, units);
        QFETCH(QString, text);
        QFETCH(QString, fixed);
        QCOMPARE(Money::FromUnits(units).ToText(), text);
        QCOMPARE(Money::FromUnits(units).ToFixedText(), fixed);
        if (units != std::numeric_limits<qint64>::min())
            QCOMPARE(Money::FromText(text).Units(), units);
    }

    void parseRoundsHalfToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::newRow("tie down to even") << "0.00005" << qint64(0);
        QTest::newRow("tie up to even") << "0.00015" << qint64(2);
        QTest::newRow("above tie") << "0.000050001" << qint64(1);
        QTest::newRow("negative tie") << "-2.00025" << qint64(-20002);
        QTest::newRow("sqlite real form") << "888.487900000001" << qint64(8884879);
        QTest::newRow("exponent") << "1.5e-04" << qint64(2);
        QTest::newRow("exponent up") << "2.5E3" << qint64(25000000);
        QTest::newRow("leading point") << ".5" << qint64(5000);
        QTest::newRow("blanks around") << " 12.25 " << qint64(122500);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("letters") << "abc" << qint64(0);
        QTest::newRow("comma is no separator") << "12,5" << qint64(0);
        QTest::newRow("too large") << "99999999999999999999" << qint64(0);
        QTest::newRow("too large, then text") << "99999999999999999999 x" << qint64(0);
        QTest::newRow("beyond the smallest") << "-9223372036854775808" << qint64(0);
    }
    void parseRoundsHalfToEven()
    {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        QCOMPARE(Money::FromText(text).Units(), units);
    }

    void realConversionRoundsHalfToEven_data()
    {
        QTest::addColumn<double>("units");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("2.5000001") << 2.5000001 << qint64(3);
    }
    void realConversionRoundsHalfToEven()
    {
        QFETCH(double, units);
        QFETCH(qint64, expected);
        QCOMPARE(Money::FromRealUnits(units).Units(), expected);
    }

    void arithmeticIsExact()
    {
        // 0.1 + 0.2 in binary floating point is not 0.3; in ten-thousandths it is.
        QCOMPARE(Money::FromText("0.1") + Money::FromText("0.2"), Money::FromText("0.3"));
        QCOMPARE((Money::FromText("2665.4637") - Money::FromText("2665.4537")).Units(), qint64(100));
    }

    // Beyond the 64-bit range a sum would wrap round into nonsense; it raises instead.
    void outOfRangeRaises()
    {
        const Money largest = Money::FromUnits(std::numeric_limits<qint64>::max());
        const Money smallest = Money::FromUnits(std::numeric_limits<qint64>::min());
        QVERIFY_THROWS_EXCEPTION(Exception, largest + Money::FromUnits(1));
        QVERIFY_THROWS_EXCEPTION(Exception, smallest - Money::FromUnits(1));
        QVERIFY_THROWS_EXCEPTION(Exception, -smallest);
        QVERIFY_THROWS_EXCEPTION(Exception, Money::FromRealUnits(1e19L));
        QVERIFY_THROWS_EXCEPTION(Exception, Money::FromRealUnits(std::numeric_limits<long double>::quiet_NaN()));
        QCOMPARE((largest - Money::FromUnits(1) + Money::FromUnits(1)), largest);
        QCOMPARE(Money::FromRealUnits(-9223372036854775808.0L), smallest);
    }

    void dateAddMonthsClampsToMonthEnd_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("jan 31 to feb") << QDate(2009, 1, 31) << 1 << QDate(2009, 2, 28);
        QTest::newRow("leap feb") << QDate(2008, 1, 30) << 1 << QDate(2008, 2, 29);
        QTest::newRow("december to january") << QDate(2009, 12, 15) << 1 << QDate(2010, 1, 15);
        QTest::newRow("back over a year") << QDate(2010, 3, 31) << -13 << QDate(2009, 2, 28);
    }
    void dateAddMonthsClampsToMonthEnd()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, expected);
        const DateTime moment(from, QTime(13, 45, 7, 250));
        const DateTime moved = moment.AddMonths(months);
        QCOMPARE(moved.Date(), expected);
        QCOMPARE(moved.Time(), QTime(13, 45, 7, 250));
    }

    void dateZeroAndOrder()
    {
        QVERIFY(DateTime().IsZero());
        QCOMPARE(DateTime().Date(), QDate(1899, 12, 30));
        QVERIFY(DateTime::FromYMD(2009, 5, 14) < DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250));
        QVERIFY(DateTime::FromYMD(2009, 5, 14, 23, 59, 59, 999) < DateTime::FromYMD(2009, 5, 15));
        QVERIFY_THROWS_EXCEPTION(std::exception, DateTime::Checked(2009, 2, 30));
    }
};

QTEST_APPLESS_MAIN(TestMoney)
#include "TestMoney.moc"
