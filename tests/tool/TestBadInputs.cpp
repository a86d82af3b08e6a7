#include "support/DataTestSupport.h"

#include "tool/ToolCommands.h"

namespace {

const QString LateSchedule = QStringLiteral("Последний платёж по графику пришёлся бы позже 31.12.9999: "
                                            "сократите срок кредита или выберите более раннюю дату.");

// A book with one instalment long overdue, marked as such.
const QByteArray OverdueRow = "INSERT INTO Debtors (Surname) VALUES ('A');"
                              "INSERT INTO Credits (DebtorID) VALUES (1);"
                              "INSERT INTO PaymentSchedule (CreditID, PaymentDate, MustBePaymentSum, ActiveDelay) "
                              "VALUES (1, '2009-05-11 00:00:00.000', 100, 1)";

QStringList Schedule(const QString& size, const QString& start, const QString& period = QStringLiteral("12"))
{
    return { QStringLiteral("schedule"), QStringLiteral("--size"), size, QStringLiteral("--period"), period,
             QStringLiteral("--rate"), QStringLiteral("12"), QStringLiteral("--day"), QStringLiteral("15"),
             QStringLiteral("--start"), start };
}

}

// Arguments and files a hostile user or a failing disk hands varnel-tool: each
// is refused with its message and exit code (2: bad arguments, 1: refused
// work), and the book is left as it was unless the command is meant to change it.
class TestBadInputs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { DataTest::PinLocale(); }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args"); // BOOK: a new loan book, NEW: a file name not yet taken
        QTest::addColumn<QByteArray>("setup"); // SQL run on the book first
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // the first line on standard error
        QTest::addColumn<QByteArray>("after"); // a query on the book and its answer, "query=answer"

        const QString late = QStringLiteral("9999-11-20");
        QTest::newRow("amount of 19 digits")
            << Schedule(QStringLiteral("9999999999999999999"), QStringLiteral("2009-01-20")) << QByteArray() << 2
            << "Неверное значение параметра --size: 9999999999999999999" << QByteArray();
        QTest::newRow("smallest 64-bit amount")
            << Schedule(QStringLiteral("-9223372036854775808"), QStringLiteral("2009-01-20")) << QByteArray() << 2
            << "Неверное значение параметра --size: -9223372036854775808" << QByteArray();
        QTest::newRow("schedule past the calendar")
            << Schedule(QStringLiteral("1000"), late, QStringLiteral("2")) << QByteArray() << 1 << LateSchedule
            << QByteArray();
        QTest::newRow("start with a sign")
            << Schedule(QStringLiteral("1000"), QStringLiteral("-2009-01-01")) << QByteArray() << 2
            << "Неверное значение параметра --start: -2009-01-01" << QByteArray();
        QTest::newRow("start of five year digits")
            << Schedule(QStringLiteral("1000"), QStringLiteral("10000-01-01")) << QByteArray() << 2
            << "Неверное значение параметра --start: 10000-01-01" << QByteArray();
        QTest::newRow("today with a sign")
            << QStringList { "index", "BOOK", "--today", "-2009-01-01" } << OverdueRow << 2
            << "Неверное значение параметра --today: -2009-01-01"
            << QByteArray("SELECT Count(*) FROM DataBaseState=0");
        QTest::newRow("today of five year digits")
            << QStringList { "index", "BOOK", "--today", "10000-01-01" } << OverdueRow << 2
            << "Неверное значение параметра --today: 10000-01-01"
            << QByteArray("SELECT Count(*) FROM DataBaseState=0");
        QTest::newRow("the calendar's last day keeps what is overdue")
            << QStringList { "index", "BOOK", "--today", "9999-12-31" } << OverdueRow << 0 << ""
            << QByteArray("SELECT WasDelay || ActiveDelay FROM PaymentSchedule=11");
        QTest::newRow("demo on the calendar's last day")
            << QStringList { "demo", "NEW", "--today", "9999-12-31" } << QByteArray() << 1 << LateSchedule
            << QByteArray();
        QTest::newRow("version type beyond 32 bits")
            << QStringList { "check", "BOOK" } << QByteArray("UPDATE QDBVersion SET DBType = 4294967298") << 1
            << "«4294967298» не является допустимым целым числом." << QByteArray();
        QTest::newRow("version part beyond 32 bits")
            << QStringList { "check", "BOOK" } << QByteArray("UPDATE QDBVersion SET MajorVersion = 4294967296") << 1
            << "«4294967296» не является допустимым целым числом." << QByteArray();
    }
    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, setup);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        static int n = 0;
        const QString book = DataTest::NewLoanBook(m_dir, QStringLiteral("book%1.s3db").arg(++n));
        const QString fresh = m_dir.filePath(QStringLiteral("new%1.s3db").arg(n));
        if (!setup.isEmpty())
            DataTest::RawExec(book, setup);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^BOOK$")), book);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^NEW$")), fresh);

        QString out;
        QString err;
        int result = -1;
        {
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            result = RunToolCommand(args, outStream, errStream);
        }
        QCOMPARE(result, code);
        QCOMPARE(err.section(QLatin1Char('\n'), 0, 0), message);
        QVERIFY(!QFile::exists(fresh)); // nothing half made is left behind
        if (!after.isEmpty()) {
            const qsizetype equals = after.lastIndexOf('=');
            QCOMPARE(DataTest::RawValue(book, after.left(equals)), after.mid(equals + 1));
        }
    }
};

QTEST_APPLESS_MAIN(TestBadInputs)
#include "TestBadInputs.moc"
