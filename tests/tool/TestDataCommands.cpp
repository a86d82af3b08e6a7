#include "support/DataTestSupport.h"

#include "tool/DataCommands.h"

#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace {

// What a command printed on one of the standard streams while it ran.
class TOutputCapture
{
public:
    explicit TOutputCapture(FILE* stream)
        : m_stream(stream)
        , m_fd(fileno(stream))
    {
        m_file.open();
        std::fflush(m_stream);
        m_saved = dup(m_fd);
        dup2(m_file.handle(), m_fd);
    }
    ~TOutputCapture() { Restore(); }

    QString Text()
    {
        Restore();
        m_file.seek(0);
        return QString::fromUtf8(m_file.readAll()).trimmed();
    }

private:
    void Restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(m_stream);
        dup2(m_saved, m_fd);
        close(m_saved);
        m_saved = -1;
    }

    FILE* m_stream;
    int m_fd;
    int m_saved = -1;
    QTemporaryFile m_file;
};

struct TRun
{
    int code = 0;
    QString out;
    QString err;
};

TRun Run(int (*command)(const QStringList&), const QStringList& args)
{
    TOutputCapture out(stdout);
    TOutputCapture err(stderr);
    TRun run;
    run.code = command(args);
    run.out = out.Text();
    run.err = err.Text();
    return run;
}

}

class TestDataCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void cleanupTestCase() { FreeDataAccessFacade(); }

    void create()
    {
        const QString path = m_dir.filePath(QStringLiteral("new.s3db"));
        const TRun made = Run(RunCreateCommand, { path });
        QCOMPARE(made.code, 0);
        QCOMPARE(Run(RunCheckCommand, { path }).out, QStringLiteral("ok"));

        const QByteArray before = DataTest::DumpContent(path);
        const TRun again = Run(RunCreateCommand, { path });
        QCOMPARE(again.code, 1);
        QCOMPARE(again.err, QStringLiteral("Файл «%1» уже существует.").arg(path));
        QCOMPARE(DataTest::DumpContent(path), before);

        QCOMPARE(Run(RunCreateCommand, {}).code, 2);
        QCOMPARE(Run(RunCreateCommand, { path, path }).code, 2);
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
        const TRun run = Run(RunCheckCommand, { path });
        QCOMPARE(run.code, code);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
    }

    void checkMissingFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("nowhere.s3db"));
        const TRun run = Run(RunCheckCommand, { path });
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, QStringLiteral("Файл «%1» не существует.").arg(path));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(Run(RunCheckCommand, {}).code, 2);
    }

    void index()
    {
        const QString path = DataTest::NewLoanBook(m_dir, QStringLiteral("index.s3db"));
        DataTest::RawExec(path,
                          "INSERT INTO Debtors (Surname) VALUES ('A');"
                          "INSERT INTO Credits (DebtorID) VALUES (1);"
                          "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum) "
                          "VALUES (1, '2009-05-11 00:00:00.000', 100), (1, '2009-05-20 00:00:00.000', 200)");
        const TRun run = Run(RunIndexCommand, { path, QStringLiteral("--today"), QStringLiteral("2009-05-12") });
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(DataTest::RawColumn(path, "SELECT WasDelay || ActiveDelay FROM PaymentSchedule"),
                 (QList<QByteArray> { "11", "00" }));
        QCOMPARE(DataTest::RawValue(path, "SELECT substr(LastSchedulesDelayUpdate, 1, 11) FROM DataBaseState"),
                 QByteArray("2009-05-12 "));
        QCOMPARE(DataTest::RawValue(path, "SELECT length(LastSchedulesDelayUpdate) FROM DataBaseState"),
                 QByteArray("23"));

        // A later day, given before the file name.
        QCOMPARE(Run(RunIndexCommand, { QStringLiteral("--today"), QStringLiteral("2009-05-18"), path }).code, 0);
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
        const TRun run = Run(RunIndexCommand, args);
        QCOMPARE(run.code, code);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(DataTest::DumpContent(book), before);
    }
};

QTEST_APPLESS_MAIN(TestDataCommands)
#include "TestDataCommands.moc"
