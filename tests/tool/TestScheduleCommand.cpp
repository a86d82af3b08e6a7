#include "ToolRun.h"

#include <QTest>

#include <algorithm>

namespace {

const QStringList Example{"schedule", "--size", "10000", "--period", "12", "--rate", "12",
                          "--day", "15", "--start", "2009-01-20"};

const QString Header = QStringLiteral("row,date,annua,percents,paying_off,balance,must_be_paid");

}

class TestScheduleCommand : public QObject
{
    Q_OBJECT

private slots:
    void printsTheSchedule_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QStringList>("lines"); // each found by its first field
        QTest::newRow("worked example") << Example << 14 << QStringList{
            Header,
            "1,2009-02-15,888.4879,100.0000,788.4879,9211.5121,888.4879",
            "2,2009-03-15,888.4879,92.1151,796.3728,8415.1393,1776.9758",
            "3,2009-04-15,888.4879,84.1514,804.3365,7610.8028,2665.4637",
            "4,2009-05-15,888.4879,76.1080,812.3799,6798.4229,3553.9516",
            "5,2009-06-15,888.4879,67.9842,820.5037,5977.9192,4442.4395",
            "6,2009-07-15,888.4879,59.7792,828.7087,5149.2105,5330.9274",
            "7,2009-08-15,888.4879,51.4921,836.9958,4312.2147,6219.4153",
            "8,2009-09-15,888.4879,43.1221,845.3658,3466.8489,7107.9032",
            "9,2009-10-15,888.4879,34.6685,853.8194,2613.0295,7996.3911",
            "10,2009-11-15,888.4879,26.1303,862.3576,1750.6719,8884.8790",
            "11,2009-12-15,888.4879,17.5067,870.9812,879.6907,9773.3669",
            "12,2010-01-15,888.4879,8.7969,879.6910,-0.0003,10661.8548",
            "total,10661.8548"};
        // The rebuilt schedules without their replaced rows, numbered from 1.
        QTest::newRow("advance 1000 at row 3")
            << Example + QStringList{"--advance", "1000", "--at", "3"} << 14
            << QStringList{"3,2009-04-15,888.4879,84.1514,804.3365,7610.8028,2665.4637",
                           "4,2009-05-15,771.7475,66.1080,705.6395,5905.1633,3437.2112",
                           "5,2009-06-15,771.7475,59.0516,712.6959,5192.4674,4208.9587",
                           "12,2010-01-15,771.7475,7.6411,764.1064,0.0001,9611.1912",
                           "total,9611.1912"};
        QTest::newRow("respite at row 3") << Example + QStringList{"--respite-at", "3"} << 14
            << QStringList{"3,2009-04-15,84.1514,84.1514,0.0000,8415.1393,1861.1272",
                           "4,2009-05-15,982.3864,84.1514,898.2350,7516.9043,2843.5136",
                           "total,10702.6048"};
        QTest::newRow("tie at the fourth decimal")
            << QStringList{"schedule", "--size", "5464.49", "--period", "1", "--rate", "6",
                           "--day", "10", "--start", "2009-03-05"}
            << 3 << QStringList{Header, "1,2009-04-10,5491.8124,27.3225,5464.4899,0.0001,5491.8124",
                                "total,5491.8124"};
        QTest::newRow("no months, options as name=value")
            << QStringList{"schedule", "--size=10000", "--period=0", "--rate=12", "--day=15",
                           "--start=2009-01-20"}
            << 2 << QStringList{Header, "total,0.0000"};
    }
    void printsTheSchedule()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, lineCount);
        QFETCH(QStringList, lines);
        const Run run = RunTool(arguments);
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Err, QString());
        QVERIFY(run.Out.endsWith(QLatin1Char('\n')));
        const QStringList printed = run.Out.chopped(1).split(QLatin1Char('\n'));
        QCOMPARE(printed.size(), lineCount);
        QCOMPARE(printed.first(), Header);
        for (const QString& line : lines) {
            const QString key = line.section(QLatin1Char(','), 0, 0);
            const QString* found = nullptr;
            for (const QString& candidate : printed)
                if (candidate.section(QLatin1Char(','), 0, 0) == key)
                    found = &candidate;
            QVERIFY2(found, qPrintable(line));
            QCOMPARE(*found, line);
        }
    }

    void reportsFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // the first line on standard error
        const QString usage = QStringLiteral("Использование: varnel-tool schedule ");
        // Errors of the arithmetic itself: exit code 1, its message.
        QTest::newRow("advance at the last row") << Example + QStringList{"--advance", "10", "--at", "12"}
                                                 << 1 << "Нельзя делать опережение для последнего платежа.";
        QTest::newRow("respite beyond the schedule") << Example + QStringList{"--respite-at", "13"}
                                                     << 1 << "Строка не найдена в графике выплат.";
        QTest::newRow("no such day in the start month")
            << QStringList{"schedule", "--size", "1", "--period", "1", "--rate", "1", "--day", "30",
                           "--start", "2009-02-01"}
            << 1 << "Неверная дата: 2009-02-30";
        // Bad arguments: exit code 2, the reason, then the usage line.
        QTest::newRow("missing option") << Example.mid(0, 9) << 2 << "Не задан параметр --start";
        QTest::newRow("not a number") << QStringList(Example).replaceInStrings("10000", "10к") << 2
                                      << "Неверное значение параметра --size: 10к";
        QTest::newRow("not a date") << QStringList(Example).replaceInStrings("2009-01-20", "2009-02-30")
                                    << 2 << "Неверное значение параметра --start: 2009-02-30";
        QTest::newRow("unknown option") << Example + QStringList{"--fast", "1"} << 2
                                        << "Неизвестный параметр: --fast";
        QTest::newRow("value missing") << Example + QStringList{"--at"} << 2
                                       << "Не задано значение параметра --at";
        QTest::newRow("advance without row") << Example + QStringList{"--advance", "1000"} << 2
                                             << "Не задан параметр --at";
        QTest::newRow("advance and respite")
            << Example + QStringList{"--advance", "1000", "--at", "3", "--respite-at", "3"} << 2
            << "Параметры --advance и --respite-at нельзя задавать вместе";
        QTest::newRow("period beyond reason") << QStringList{"schedule", "--size", "1", "--period", "1201", "--rate", "1", "--day", "1", "--start", "2009-01-01"}
                                              << 2 << "Срок кредита не может превышать 1200 месяцев";
        QTest::newRow("no command") << QStringList() << 2 << usage;
        QTest::newRow("unknown command") << QStringList{"plan"} << 2 << "Неизвестная команда: plan";
    }
    void reportsFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = RunTool(arguments);
        QCOMPARE(run.ExitCode, exitCode);
        QCOMPARE(run.Out, QString()); // nothing half-printed
        const QStringList lines = run.Err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().startsWith(message), qPrintable(run.Err));
        // The usage line: the command's own, or among those of every command.
        if (exitCode == 2)
            QVERIFY2(std::any_of(lines.cbegin(), lines.cend(),
                                 [](const QString& line) {
                                     return line.startsWith(QStringLiteral("Использование: varnel-tool schedule --size "));
                                 }),
                     qPrintable(run.Err));
    }
};

QTEST_GUILESS_MAIN(TestScheduleCommand)
#include "TestScheduleCommand.moc"
