#include "sqlite/ValueForms.h"

#include <QTest>

class TestValueForms : public QObject
{
    Q_OBJECT

private slots:
    void dateTimeWritten_data()
    {
        QTest::addColumn<DateTime>("value");
        QTest::addColumn<bool>("dayOnly");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole day") << DateTime::FromYMD(2009, 5, 14) << false << "2009-05-14 00:00:00.000";
        QTest::newRow("with time") << DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250) << false
                                   << "2009-05-14 13:45:07.250";
        QTest::newRow("day key drops time")
            << DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250) << true << "2009-05-14 00:00:00.000";
        QTest::newRow("last moment") << DateTime::FromYMD(2009, 5, 31, 23, 59, 59, 999) << false
                                     << "2009-05-31 23:59:59.999";
        QTest::newRow("zero date") << DateTime() << false << "1899-12-30 00:00:00.000";
    }
    void dateTimeWritten()
    {
        QFETCH(DateTime, value);
        QFETCH(bool, dayOnly);
        QFETCH(QString, text);
        QCOMPARE(ValueForms::DateTimeToText(value, dayOnly), text);
        if (!dayOnly)
            QCOMPARE(ValueForms::DateTimeFromText(text), value);
    }

    void dateTimeRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DateTime>("value");
        QTest::newRow("ten characters") << "2009-05-14" << DateTime::FromYMD(2009, 5, 14);
        QTest::newRow("minutes only") << "2009-05-14 13:45" << DateTime::FromYMD(2009, 5, 14, 13, 45);
        QTest::newRow("seconds") << "2009-05-14 13:45:07" << DateTime::FromYMD(2009, 5, 14, 13, 45, 7);
        QTest::newRow("milliseconds") << "2009-05-14 13:45:07.250" << DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250);
        QTest::newRow("other separators") << "2009/05/14T13.45" << DateTime::FromYMD(2009, 5, 14, 13, 45);
        QTest::newRow("empty") << "" << DateTime();
        QTest::newRow("local form") << "14.05.2009" << DateTime();
        QTest::newRow("no such day") << "2009-02-30" << DateTime();
        QTest::newRow("no such hour") << "2009-05-14 25:00:00.000" << DateTime();
        QTest::newRow("a number") << "39947.5" << DateTime();
        QTest::newRow("letters in the time") << "2009-05-14 ab:cd" << DateTime();
    }
    void dateTimeRead()
    {
        QFETCH(QString, text);
        QFETCH(DateTime, value);
        QCOMPARE(ValueForms::DateTimeFromText(text), value);
    }

    // Fixed-width texts order as the moments they show.
    void dateTextsOrderChronologically()
    {
        const QString midnight = ValueForms::DateTimeToText(DateTime::FromYMD(2009, 5, 14));
        const QString afternoon = ValueForms::DateTimeToText(DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250));
        const QString nextDay = ValueForms::DateTimeToText(DateTime::FromYMD(2009, 5, 15));
        QVERIFY(midnight < afternoon);
        QVERIFY(afternoon < nextDay);
    }

    void integerRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("digits") << "15" << qint64(15);
        QTest::newRow("negative") << "-1" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("letters") << "12a" << qint64(0);
        QTest::newRow("real") << "1.5" << qint64(0);
    }
    void integerRead()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QCOMPARE(ValueForms::IntegerFromText(text), value);
    }

    void realWritten_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("tenth") << 0.1 << "0.1";
        QTest::newRow("whole") << 100.0 << "100";
        QTest::newRow("negative") << -2.5 << "-2.5";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0.333333333333333";
    }
    void realWritten()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); // a comma locale changes nothing
        QCOMPARE(ValueForms::RealToText(value), text);
    }
};

QTEST_APPLESS_MAIN(TestValueForms)
#include "TestValueForms.moc"
