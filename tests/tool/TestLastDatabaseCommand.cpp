#include "ToolRun.h"

#include "support/StartupSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

class TestLastDatabaseCommand : public QObject
{
    Q_OBJECT

    static QString SettingsFile(const TStartupSandbox& sandbox)
    {
        return sandbox.Dir().filePath(QStringLiteral("AppData/Tolvik/Varnel/1.0/Settings.ini"));
    }

private slots:
    void withoutSettingsThereIsNoneAndNothingIsWritten()
    {
        const TStartupSandbox sandbox;
        const Run run = RunToolInProcess({ QStringLiteral("last-database") });
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Out.isEmpty());
        QVERIFY(!QFile::exists(SettingsFile(sandbox)));
    }

    void theRecordedBookIsTheOneTheProgramReads_data()
    {
        QTest::addColumn<QString>("book");
        QTest::newRow("plain") << QStringLiteral("/home/user/.local/share/Varnel/Demo.s3db");
        QTest::newRow("blanks and Cyrillic") << QStringLiteral("/home/user/Мои книги/Демо база.s3db");
        QTest::newRow("quotes, backslashes, commas") << QStringLiteral("C:\\books\\a,b \"x\".s3db");
    }
    void theRecordedBookIsTheOneTheProgramReads()
    {
        QFETCH(QString, book);
        TStartupSandbox sandbox;
        QCOMPARE(RunToolInProcess({ QStringLiteral("last-database"), book }).ExitCode, 0);
        QCOMPARE(sandbox.StoredConnectionString().toString(), book);
        const Run read = RunToolInProcess({ QStringLiteral("last-database") });
        QCOMPARE(read.ExitCode, 0);
        QCOMPARE(read.Out, book);
    }

    void recordingKeepsEveryOtherSetting()
    {
        TStartupSandbox sandbox;
        sandbox.StoreConnectionString(QStringLiteral("/old/book.s3db"));
        QSettings(SettingsFile(sandbox), QSettings::IniFormat)
            .setValue(QStringLiteral("History/Item0"), QStringLiteral("/old/book.s3db"));

        QCOMPARE(RunToolInProcess({ QStringLiteral("last-database"), QStringLiteral("/new/book.s3db") }).ExitCode, 0);
        QCOMPARE(sandbox.StoredConnectionString().toString(), QStringLiteral("/new/book.s3db"));
        QCOMPARE(QSettings(SettingsFile(sandbox), QSettings::IniFormat).value(QStringLiteral("History/Item0")),
                 QVariant(QStringLiteral("/old/book.s3db")));
    }

    // A pipe or a folder in the settings file's place is neither read nor
    // written (reading a pipe would wait for ever); the tool says why.
    void settingsThatAreNoFileAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("pipe, read") << "fifo" << QStringList();
        QTest::newRow("pipe, record") << "fifo" << QStringList{"/new/book.s3db"};
        QTest::newRow("folder, read") << "folder" << QStringList();
    }
    void settingsThatAreNoFileAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, arguments);
        TStartupSandbox sandbox;
        const QString settings = SettingsFile(sandbox);
        QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(settings));
        const Run run = RunToolInProcess(QStringList{QStringLiteral("last-database")} + arguments);
        QCOMPARE(run.ExitCode, 1);
        QVERIFY(run.Out.isEmpty());
        const QString reason = kind == QLatin1String("fifo")
            ? QStringLiteral("«%1» — не обычный файл (устройство, канал или сокет), его нельзя открыть.")
            : QStringLiteral("«%1» — это папка, а не файл.");
        QCOMPARE(run.Err, QStringLiteral("Настройки Varnel не прочитаны: ") + reason.arg(settings));
    }

    void readingWritesNothing()
    {
        TStartupSandbox sandbox;
        QSettings(SettingsFile(sandbox), QSettings::IniFormat)
            .setValue(QStringLiteral("History/Item0"), QStringLiteral("/old/book.s3db"));
        const Run run = RunToolInProcess({ QStringLiteral("last-database") });
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Out, QString());
        QVERIFY(!sandbox.StoredConnectionString().isValid());
    }

    void wrongArgumentsShowTheUsage()
    {
        const TStartupSandbox sandbox;
        const Run run = RunToolInProcess({ QStringLiteral("last-database"), QStringLiteral("a.s3db"),
                                           QStringLiteral("b.s3db") });
        QCOMPARE(run.ExitCode, 2);
        QVERIFY(run.Err.contains(QStringLiteral("varnel-tool last-database")));
        QVERIFY(!QFile::exists(SettingsFile(sandbox)));
    }
};

QTEST_GUILESS_MAIN(TestLastDatabaseCommand)
#include "TestLastDatabaseCommand.moc"
