#include "support/DataTestSupport.h"

#include "ToolRun.h"
#include "support/StartupSandbox.h"

#include "domain/Clock.h"

#include <QDir>

namespace {

// The command on its arguments, in the test's own process.
Run Tool(const QString& command, const QStringList& args)
{
    return RunToolInProcess(QStringList { command } + args);
}

}

class TestDataCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { DataTest::PinLocale(); }

    void create()
    {
        const QString path = m_dir.filePath(QStringLiteral("new.s3db"));
        const Run made = Tool(QStringLiteral("create"), { path });
        QCOMPARE(made.ExitCode, 0);
        QCOMPARE(Tool(QStringLiteral("check"), { path }).Out, QStringLiteral("ok"));

        const QByteArray before = DataTest::DumpContent(path);
        const Run again = Tool(QStringLiteral("create"), { path });
        QCOMPARE(again.ExitCode, 1);
        QCOMPARE(again.Err, QStringLiteral("Файл «%1» уже существует.").arg(path));
        QCOMPARE(DataTest::DumpContent(path), before);

        QCOMPARE(Tool(QStringLiteral("create"), {}).ExitCode, 2);
        QCOMPARE(Tool(QStringLiteral("create"), { path, path }).ExitCode, 2);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("setup"); // SQL on a new book, or how to spoil it
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("new book") << QByteArray() << 0 << "ok"
                                  << "";
        QTest::newRow("older version") << QByteArray("UPDATE QDBVersion SET BuildVersion = 2") << 1 << ""
                                       << "Тип: «2» Версия: «0.0.0.2»";
        QTest::newRow("no version table") << QByteArray("DROP TABLE QDBVersion") << 1 << ""
                                          << "Не найдена информация о типе и версии базы данных.";
        QTest::newRow("not a database") << QByteArray("!garbage") << 1 << ""
                                        << "Не найдена информация о типе и версии базы данных.";
        QTest::newRow("version beyond 32 bits")
            << QByteArray("UPDATE QDBVersion SET MajorVersion = 21, MinorVersion = 47, ReleaseVersion = 48, "
                          "BuildVersion = 3648")
            << 1 << ""
            << "«2147483648» не является допустимым целым числом.";
    }
    void check()
    {
        QFETCH(QByteArray, setup);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        static int n = 0;
        const QString path = DataTest::NewLoanBook(m_dir, QStringLiteral("check%1.s3db").arg(++n));
        if (setup.startsWith('!')) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        } else if (!setup.isEmpty()) {
            DataTest::RawExec(path, setup);
        }
        const Run run = Tool(QStringLiteral("check"), { path });
        QCOMPARE(run.ExitCode, code);
        QCOMPARE(run.Out, out);
        QCOMPARE(run.Err, err);
    }

    void checkMissingFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("nowhere.s3db"));
        const Run run = Tool(QStringLiteral("check"), { path });
        QCOMPARE(run.ExitCode, 1);
        QCOMPARE(run.Err, QStringLiteral("Файл «%1» не существует.").arg(path));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(Tool(QStringLiteral("check"), {}).ExitCode, 2);
    }

    void index()
    {
        const QString path = DataTest::NewLoanBook(m_dir, QStringLiteral("index.s3db"));
        DataTest::RawExec(path,
                          "INSERT INTO Debtors (Surname) VALUES ('A');"
                          "INSERT INTO Credits (DebtorID) VALUES (1);"
                          "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum) "
                          "VALUES (1, '2009-05-11 00:00:00.000', 100), (1, '2009-05-20 00:00:00.000', 200)");
        const Run run = Tool(QStringLiteral("index"), { path, QStringLiteral("--today"), QStringLiteral("2009-05-12") });
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(run.Err, QString());
        QCOMPARE(DataTest::RawColumn(path, "SELECT WasDelay || ActiveDelay FROM PaymentSchedule"),
                 (QList<QByteArray> { "11", "00" }));
        QCOMPARE(DataTest::RawValue(path, "SELECT substr(LastSchedulesDelayUpdate, 1, 11) FROM DataBaseState"),
                 QByteArray("2009-05-12 "));
        QCOMPARE(DataTest::RawValue(path, "SELECT length(LastSchedulesDelayUpdate) FROM DataBaseState"),
                 QByteArray("23"));

        // A later day, given before the file name.
        QCOMPARE(Tool(QStringLiteral("index"), { QStringLiteral("--today"), QStringLiteral("2009-05-18"), path }).ExitCode, 0);
        QCOMPARE(DataTest::RawColumn(path, "SELECT WasDelay || ActiveDelay FROM PaymentSchedule"),
                 (QList<QByteArray> { "11", "01" }));
    }

    void indexRefuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("no file") << QStringList {} << 2;
        QTest::newRow("bad day") << QStringList { QStringLiteral("BOOK"), QStringLiteral("--today"),
                                                  QStringLiteral("12.05.2009") }
                                 << 2;
        QTest::newRow("day missing") << QStringList { QStringLiteral("BOOK"), QStringLiteral("--today") } << 2;
        QTest::newRow("unknown option") << QStringList { QStringLiteral("BOOK"), QStringLiteral("--fast") } << 2;
        QTest::newRow("missing file") << QStringList { QStringLiteral("nowhere.s3db") } << 1;
        QTest::newRow("older version") << QStringList { QStringLiteral("OLD") } << 1;
    }
    void indexRefuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        const QString book
            = DataTest::NewLoanBook(m_dir, QStringLiteral("refuse-%1.s3db").arg(QTest::currentDataTag()));
        DataTest::RawExec(book, "UPDATE QDBVersion SET BuildVersion = 2");
        for (QString& arg : args) {
            if (arg == QLatin1String("BOOK") || arg == QLatin1String("OLD"))
                arg = book;
            else if (arg.endsWith(QLatin1String(".s3db")))
                arg = m_dir.filePath(arg);
        }
        const QByteArray before = DataTest::DumpContent(book);
        const Run run = Tool(QStringLiteral("index"), args);
        QCOMPARE(run.ExitCode, code);
        QVERIFY(!run.Err.isEmpty());
        QCOMPARE(DataTest::DumpContent(book), before);
    }

    void backup()
    {
        const TStartupSandbox sandbox;
        const QString book = DataTest::CopyFixture(m_dir, QStringLiteral("legacy-loanbook.s3db"));
        const QString today = Clock::Today().Date().toString(Qt::ISODate);

        // Into the program's own folder, beside its settings.
        const Run made = Tool(QStringLiteral("backup"), { book });
        QCOMPARE(made.ExitCode, 0);
        const QString copy = sandbox.Dir().filePath(
            QStringLiteral("AppData/Tolvik/Varnel/1.0/Резервные копии/legacy-loanbook %1.s3db").arg(today));
        QCOMPARE(made.Out, QDir::toNativeSeparators(copy));
        QCOMPARE(DataTest::DumpContent(copy), DataTest::DumpContent(book));

        // Into a folder of the script's choice.
        const QString folder = sandbox.Dir().filePath(QStringLiteral("nightly"));
        const Run elsewhere = Tool(QStringLiteral("backup"), { book, QStringLiteral("--to"), folder });
        QCOMPARE(elsewhere.ExitCode, 0);
        QCOMPARE(elsewhere.Out, QDir::toNativeSeparators(QStringLiteral("%1/legacy-loanbook %2.s3db").arg(folder, today)));

        // Only a loan book is copied.
        const QString text = sandbox.Dir().filePath(QStringLiteral("notes.s3db"));
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a loan book");
        notes.close();
        QCOMPARE(Tool(QStringLiteral("backup"), { text, QStringLiteral("--to"), folder }).ExitCode, 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        QCOMPARE(Tool(QStringLiteral("backup"), {}).ExitCode, 2);
    }
};

QTEST_APPLESS_MAIN(TestDataCommands)
#include "TestDataCommands.moc"
