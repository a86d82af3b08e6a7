// varnel-tool create and copy with server books, on a throwaway cluster: a new
// server book, whole books copied from a file to the server and back with
// every value kept, and a target that is not empty refused.

#include "ToolRun.h"

#include "demo/DemoLoanBook.h"
#include "postgres/PgConnection.h"
#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/ThrowawayCluster.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every value of every table of a file, in one form per value however the file
// spells it: a number as its money text, a day-only date with its time of
// day, an empty text as NULL. With sequences, the last keys they handed out too.
QByteArray Values(const QString& path, bool sequences)
{
    auto db = DataTest::RawOpen(path);
    static const QRegularExpression dayOnly(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d$"));
    QByteArray dump;
    for (const char* table : {"Debtors", "Credits", "PaymentSchedule", "PaymentHistory", "CompanyInfo",
                              "DataBaseState", "QDBVersion", "sqlite_sequence"}) {
        if (!sequences && table == std::string("sqlite_sequence"))
            continue;
        SQLite::Statement rows(*db, std::string("SELECT * FROM ") + table + " ORDER BY 1");
        dump += QByteArray("[") + table + "]\n";
        while (rows.executeStep()) {
            for (int i = 0; i < rows.getColumnCount(); ++i) {
                const SQLite::Column column = rows.getColumn(i);
                QByteArray text(column.getText(), column.getBytes());
                if (column.isNull() || text.isEmpty())
                    text = "NULL";
                else if (column.isInteger() || column.isFloat())
                    text = Money::FromText(QString::fromLatin1(text)).ToText().toLatin1();
                else if (dayOnly.match(QString::fromLatin1(text)).hasMatch())
                    text += " 00:00:00.000";
                dump += text + "|";
            }
            dump += "\n";
        }
    }
    return dump;
}

}

class TestServerBookCommands : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;
    QTemporaryDir m_dir;

    static QString Value(const QString& address, const QString& sql)
    {
        TPgConnection connection(address);
        const TPgResult result = connection.Execute(sql);
        return result.IsNull(0, 0) ? QStringLiteral("NULL") : result.Text(0, 0);
    }

    static void ExpectSuccess(const QStringList& arguments)
    {
        const Run run = RunToolInProcess(arguments);
        QVERIFY2(run.ExitCode == ecSuccess, qPrintable(run.Err));
    }

    static void ExpectFailure(const QStringList& arguments, const QString& reason)
    {
        const Run run = RunToolInProcess(arguments);
        QCOMPARE(run.ExitCode, int(ecFailure));
        QVERIFY2(run.Err.contains(reason), qPrintable(run.Err));
    }

private slots:
    void initTestCase()
    {
        DataTest::PinLocale();
        QVERIFY(m_dir.isValid());
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void cleanupTestCase() { m_cluster.Stop(); }

    void createMakesAnEmptyServerBookOnce()
    {
        const QString book = m_cluster.NewDatabase();
        ExpectSuccess({QStringLiteral("create"), book});
        QCOMPARE(Value(book, QStringLiteral("SELECT count(*) FROM Debtors")), QStringLiteral("0"));
        QCOMPARE(Value(book, QStringLiteral("SELECT BuildVersion FROM QDBVersion")), QStringLiteral("3"));
        ExpectFailure({QStringLiteral("create"), book}, QStringLiteral("уже есть таблицы книги"));
    }

    void copyRoundTripKeepsEveryValue_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("legacy fixture") << QStringLiteral("legacy");
        QTest::newRow("legacy without sequences") << QStringLiteral("legacy-no-sequence");
        QTest::newRow("demo book") << QStringLiteral("demo");
    }
    void copyRoundTripKeepsEveryValue()
    {
        QFETCH(QString, kind);
        QString original;
        if (kind == QLatin1String("legacy")) {
            original = DataTest::CopyFixture(m_dir, QStringLiteral("legacy-loanbook.s3db"));
        } else if (kind == QLatin1String("legacy-no-sequence")) {
            original = DataTest::LegacyWithoutAutoincrement(m_dir, QStringLiteral("plain.s3db"));
        } else {
            const TClockPin clock(DateTime::FromYMD(2026, 3, 1, 12, 0));
            original = m_dir.filePath(QStringLiteral("demo.s3db"));
            TDemoLoanBook(6, 7).Create(original);
        }
        const QString server = m_cluster.NewDatabase();
        const QString back = m_dir.filePath(kind + QStringLiteral("-back.s3db"));

        ExpectSuccess({QStringLiteral("copy"), original, server});
        // What the file's triggers would have counted, the server's hold too.
        QCOMPARE(Value(server, QStringLiteral("SELECT count(*) FROM PaymentHistory WHERE OrderNumber <> PaymentID")),
                 QStringLiteral("0"));
        ExpectSuccess({QStringLiteral("copy"), server, back});

        QCOMPARE(RunToolInProcess({QStringLiteral("check"), back}).Out, QStringLiteral("ok"));
        // Older books have no sequences; their copies start them at the largest key.
        const bool sequences = DataTest::RawValue(original, "SELECT count(*) FROM sqlite_master "
                                                            "WHERE name = 'sqlite_sequence'") == "1";
        QCOMPARE(Values(back, sequences), Values(original, sequences));
        // A book the program wrote itself comes back byte for byte, with each value's type.
        if (kind == QLatin1String("demo"))
            QCOMPARE(DataTest::DumpContent(back), DataTest::DumpContent(original));
        QCOMPARE(DataTest::IntegrityCheck(back), QByteArray("ok"));

        // A key handed out before is never handed out again on the server: the
        // next payment's cash order follows the last one the file gave.
        const QString nextPayment = Value(server, QStringLiteral("INSERT INTO PaymentHistory (CreditID, PaymentSum) "
                                                                 "SELECT min(CreditID), 1 FROM Credits RETURNING PaymentID"));
        const QByteArray lastKey =
            sequences ? DataTest::RawValue(original, "SELECT seq FROM sqlite_sequence WHERE name = 'PaymentHistory'")
                      : DataTest::RawValue(original, "SELECT max(PaymentID) FROM PaymentHistory");
        QCOMPARE(nextPayment.toLongLong(), qMax(lastKey.toLongLong(),
                 DataTest::RawValue(original, "SELECT max(PaymentID) FROM PaymentHistory").toLongLong()) + 1);
    }

    void copyRefusesATargetThatIsNotEmpty()
    {
        const QString original = DataTest::CopyFixture(m_dir, QStringLiteral("legacy-loanbook.s3db"));
        const QString server = m_cluster.NewDatabase();
        ExpectSuccess({QStringLiteral("copy"), original, server});
        const QString before = Value(server, QStringLiteral("SELECT count(*) FROM PaymentSchedule"));
        ExpectFailure({QStringLiteral("copy"), original, server}, QStringLiteral("не пуста"));
        QCOMPARE(Value(server, QStringLiteral("SELECT count(*) FROM PaymentSchedule")), before);

        // An existing file is never overwritten.
        const QByteArray fileBefore = DataTest::DumpContent(original);
        const Run run = RunToolInProcess({QStringLiteral("copy"), server, original});
        QCOMPARE(run.ExitCode, int(ecFailure));
        QCOMPARE(DataTest::DumpContent(original), fileBefore);
    }

    void textsWithQuotesAndCyrillicSurvive()
    {
        const QString file = DataTest::NewLoanBook(m_dir, QStringLiteral("quotes.s3db"));
        const QString surname = QStringLiteral("О'Брайен \"Ёлкин\"'); DELETE FROM Debtors; --");
        ExpectSuccess({QStringLiteral("add-debtor"), file, QStringLiteral("--surname"), surname,
                       QStringLiteral("--name"), QStringLiteral("Щука")});
        const QString server = m_cluster.NewDatabase();
        ExpectSuccess({QStringLiteral("copy"), file, server});
        QCOMPARE(Value(server, QStringLiteral("SELECT Surname || '/' || Name FROM Debtors")),
                 surname + QStringLiteral("/Щука"));
        const QString back = m_dir.filePath(QStringLiteral("quotes-back.s3db"));
        ExpectSuccess({QStringLiteral("copy"), server, back});
        QCOMPARE(DataTest::DumpContent(back), DataTest::DumpContent(file));
    }

    // A server text the file's Windows-1251 cannot hold stops the copy, and no file is left half-made.
    void copyToAFileThatCannotHoldATextLeavesNoFile()
    {
        const QString server = m_cluster.NewDatabase();
        ExpectSuccess({QStringLiteral("create"), server});
        {
            TPgConnection connection(server);
            connection.Execute(QStringLiteral("INSERT INTO Debtors (Surname) VALUES ($1)"), {QStringLiteral("李")});
        }
        const QString target = m_dir.filePath(QStringLiteral("chinese.s3db"));
        QCOMPARE(RunToolInProcess({QStringLiteral("copy"), server, target}).ExitCode, int(ecFailure));
        QVERIFY(!QFileInfo::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestServerBookCommands)
#include "TestServerBookCommands.moc"
