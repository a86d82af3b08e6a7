#include "domain/ProgramVersion.h"

#include <QProcess>
#include <QTest>

// "varnel --version" prints the build's version and starts no window.
class TestVersionOption : public QObject
{
    Q_OBJECT

private slots:
    void PrintsTheBuildsVersion()
    {
        QProcess varnel;
        // No screen at all: the answer must come before any window is made.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        varnel.setProcessEnvironment(environment);
        varnel.start(QStringLiteral(VARNEL_BIN_DIR "/varnel"), {QStringLiteral("--version")});
        QVERIFY(varnel.waitForFinished(30000));
        QCOMPARE(varnel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(varnel.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(varnel.readAllStandardOutput()), QStringLiteral("varnel %1\n").arg(ProgramVersion()));
        QCOMPARE(ProgramVersion(), QStringLiteral(VARNEL_EXPECTED_VERSION));
    }
};

QTEST_GUILESS_MAIN(TestVersionOption)
#include "TestVersionOption.moc"
