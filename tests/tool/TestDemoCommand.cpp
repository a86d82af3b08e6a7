#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList Options { "--debtors", "5", "--seed", "3", "--today", "2025-06-15" };

}

class TestDemoCommand : public QObject
{
    Q_OBJECT

private slots:
    void theSameArgumentsGiveTheSameFile()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.s3db"));
        const QString second = dir.filePath(QStringLiteral("second.s3db"));
        const Run run = RunTool(QStringList { "demo", first } + Options);
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Out.contains(QStringLiteral("должников: 5")));
        QCOMPARE(RunTool(QStringList { "demo", second } + Options).ExitCode, 0);
        QVERIFY(!Bytes(first).isEmpty());
        QCOMPARE(Bytes(second), Bytes(first));
    }

    void anExistingFileIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.s3db"));
        QCOMPARE(RunTool(QStringList { "demo", path } + Options).ExitCode, 0);
        const QByteArray before = Bytes(path);
        const Run run = RunTool(QStringList { "demo", path } + Options);
        QCOMPARE(run.ExitCode, 1);
        QVERIFY2(run.Err.contains(QStringLiteral("уже существует")), qPrintable(run.Err));
        QCOMPARE(Bytes(path), before);
    }

    void wrongArgumentsShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList { "demo", "--debtors", "5" };
        QTest::newRow("not a number") << QStringList { "demo", "x.s3db", "--debtors", "many" };
        QTest::newRow("negative count") << QStringList { "demo", "x.s3db", "--debtors", "-1" };
        QTest::newRow("not a date") << QStringList { "demo", "x.s3db", "--today", "2025-02-30" };
        QTest::newRow("unknown option") << QStringList { "demo", "x.s3db", "--size", "5" };
    }
    void wrongArgumentsShowTheUsage()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const Run run = RunTool(arguments, dir.path());
        QCOMPARE(run.ExitCode, 2);
        QVERIFY(run.Err.contains(QStringLiteral("varnel-tool demo")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.s3db"))));
    }
};

QTEST_GUILESS_MAIN(TestDemoCommand)
#include "TestDemoCommand.moc"
