#include "ToolRun.h"

#include <QTest>

// "varnel-tool --version" prints the build's version, as "varnel --version" does.
class TestVersionCommand : public QObject
{
    Q_OBJECT

private slots:
    void PrintsTheBuildsVersion()
    {
        const Run run = RunTool({QStringLiteral("--version")});
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Out, QStringLiteral("varnel-tool " VARNEL_EXPECTED_VERSION "\n"));
        QCOMPARE(run.Err, QString());
    }

    void TakesNoArguments()
    {
        const Run run = RunTool({QStringLiteral("--version"), QStringLiteral("book.s3db")});
        QCOMPARE(run.ExitCode, 2);
        QVERIFY2(run.Err.contains(QStringLiteral("Использование: varnel-tool --version")), qPrintable(run.Err));
    }

    void ListedAmongTheCommands()
    {
        QVERIFY(RunTool({}).Err.contains(QStringLiteral("Использование: varnel-tool --version")));
    }
};

QTEST_GUILESS_MAIN(TestVersionCommand)
#include "TestVersionCommand.moc"
