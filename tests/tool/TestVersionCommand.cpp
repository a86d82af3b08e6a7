#include "tool/ToolCommands.h"

#include <QTest>

namespace {
struct TRun
{
    int code = 0;
    QString out;
    QString err;
};

TRun Run(const QStringList& arguments)
{
    TRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = RunToolCommand(arguments, out, err);
    return run;
}
}

// "varnel-tool --version" prints the build's version, as "varnel --version" does.
class TestVersionCommand : public QObject
{
    Q_OBJECT

private slots:
    void PrintsTheBuildsVersion()
    {
        const TRun run = Run({QStringLiteral("--version")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("varnel-tool " VARNEL_EXPECTED_VERSION "\n"));
        QCOMPARE(run.err, QString());
    }

    void TakesNoArguments()
    {
        const TRun run = Run({QStringLiteral("--version"), QStringLiteral("book.s3db")});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Использование: varnel-tool --version")), qPrintable(run.err));
    }

    void ListedAmongTheCommands()
    {
        QVERIFY(Run({}).err.contains(QStringLiteral("Использование: varnel-tool --version")));
    }
};

QTEST_GUILESS_MAIN(TestVersionCommand)
#include "TestVersionCommand.moc"
