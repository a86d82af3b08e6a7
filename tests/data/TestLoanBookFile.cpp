#include "support/DataTestSupport.h"

#include "domain/Exception.h"

// A new loan book: what the program expects to find, fast lookups, and the
// derived columns kept by the file itself.
class TestLoanBookFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;
    QString m_path;

    QByteArray Raw(const QByteArray& sql) { return m_book->Raw(sql); }

private slots:
    void init()
    {
        m_book = std::make_unique<DataTest::TBook>();
        m_path = m_book->path;
    }

    void newBookContent()
    {
        QCOMPARE(Raw("SELECT DBType || MajorVersion || MinorVersion || ReleaseVersion || BuildVersion FROM QDBVersion"),
                 QByteArray("20003"));
        QCOMPARE(Raw("SELECT Count(*) FROM CompanyInfo"), QByteArray("1"));
        QCOMPARE(Raw("SELECT (SELECT Count(*) FROM Debtors) + (SELECT Count(*) FROM DataBaseState)"), QByteArray("0"));
        QCOMPARE(DataTest::IntegrityCheck(m_path), QByteArray("ok"));
        // Keys are the tables' row identities.
        DataTest::RawExec(m_path, "INSERT INTO Debtors (Name) VALUES ('x')");
        QCOMPARE(Raw("SELECT DebtorID = rowid FROM Debtors"), QByteArray("1"));
    }

    void existingFileIsRefused()
    {
        const QByteArray before = DataTest::DumpContent(m_path);
        try {
            CreateLoanBookFile(m_path);
            QFAIL("created over an existing file");
        } catch (const Exception& error) {
            QCOMPARE(error.Message(), QStringLiteral("Файл «%1» уже существует.").arg(m_path));
        }
        QCOMPARE(DataTest::DumpContent(m_path), before);

        QFile other(m_book->dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("not a loan book");
        other.close();
        QVERIFY_THROWS_EXCEPTION(Exception, CreateLoanBookFile(other.fileName()));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("not a loan book"));
    }

    // Every lookup the program makes is served by an index, so that a book of
    // tens of thousands of debtors stays fast.
    void lookupsUseIndexes_data()
    {
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<bool>("sorts"); // a sort of one credit's few rows is fine
        QTest::newRow("debtor's credits") << QByteArray("SELECT * FROM Credits WHERE DebtorID = 1") << false;
        QTest::newRow("credit's schedule") << QByteArray("SELECT * FROM PaymentSchedule WHERE CreditID = 1") << false;
        QTest::newRow("schedule from a date") << QByteArray(
            "SELECT * FROM PaymentSchedule WHERE (CreditID = 1) AND (PaymentDate >= 'x') ORDER BY PaymentDate")
                                              << true;
        QTest::newRow("last payment") << QByteArray(
            "SELECT * FROM PaymentHistory WHERE CreditID = 1 ORDER BY PaymentDate DESC")
                                      << false;
        QTest::newRow("payments of a day")
            << QByteArray("SELECT * FROM PaymentHistory WHERE PaymentDate >= 'a' AND PaymentDate <= 'b'") << false;
        QTest::newRow("instalments of a day")
            << QByteArray("SELECT * FROM PaymentSchedule WHERE PaymentDate = 'a'") << false;
        QTest::newRow("debtors list") << QByteArray(
            "SELECT DebtorID FROM Debtors ORDER BY Surname, Name, PatronymicName")
                                      << false;
        QTest::newRow("rows still marked due")
            << QByteArray("SELECT * FROM PaymentSchedule WHERE (ActiveDelay <> 0) AND (PaymentDate > 'a')") << false;
        QTest::newRow("credit by key") << QByteArray("SELECT * FROM Credits WHERE CreditID = 1") << false;
    }
    void lookupsUseIndexes()
    {
        QFETCH(QByteArray, statement);
        QFETCH(bool, sorts);
        auto db = DataTest::RawOpen(m_path);
        SQLite::Statement query(*db, ("EXPLAIN QUERY PLAN " + statement).constData());
        QByteArray plan;
        while (query.executeStep())
            plan += QByteArray::fromStdString(query.getColumn(3).getString()) + "; ";
        QVERIFY2(plan.contains("USING INDEX") || plan.contains("USING COVERING INDEX")
                     || plan.contains("USING INTEGER PRIMARY KEY"),
                 plan.constData());
        QVERIFY2(sorts || !plan.contains("TEMP B-TREE"), plan.constData());
    }

    // The counts follow the flags when rows, credits or payments go away too.
    void triggersKeepDerivedColumns()
    {
        DataTest::RawExec(m_path,
                          "INSERT INTO Debtors (Surname) VALUES ('A');"
                          "INSERT INTO Credits (DebtorID) VALUES (1);"
                          "INSERT INTO Credits (DebtorID) VALUES (1);"
                          "INSERT INTO PaymentSchedule (CreditID, MustBePaymentSum) VALUES (1, 1), (1, 2), (2, 3);"
                          "UPDATE PaymentSchedule SET WasDelay = 1, ActiveDelay = 1;"
                          "UPDATE PaymentSchedule SET ActiveDelay = 0 WHERE ScheduleID = 2;");
        QCOMPARE(DataTest::RawColumn(m_path, "SELECT DelayCount || ActiveDelayCount FROM Credits"),
                 (QList<QByteArray> { "21", "11" }));
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Debtors"), QByteArray("32"));
        DataTest::RawExec(m_path, "DELETE FROM PaymentSchedule WHERE ScheduleID = 1");
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Debtors"), QByteArray("21"));
        DataTest::RawExec(m_path, "DELETE FROM Credits WHERE CreditID = 2");
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Debtors"), QByteArray("10"));

        DataTest::RawExec(m_path,
                          "INSERT INTO PaymentHistory (CreditID, PaymentSum, AheadSum) VALUES (1, '0.1', 5);"
                          "INSERT INTO PaymentHistory (CreditID, PaymentSum) VALUES (1, '0.2');"
                          "UPDATE PaymentHistory SET PaymentSum = '0.7' WHERE PaymentID = 1;");
        QCOMPARE(Raw("SELECT PaymentsSum FROM Credits WHERE CreditID = 1"), QByteArray("0.9"));
        QCOMPARE(DataTest::RawColumn(m_path, "SELECT OrderNumber FROM PaymentHistory"),
                 (QList<QByteArray> { "1", "2" }));
        DataTest::RawExec(m_path, "DELETE FROM PaymentHistory WHERE PaymentID = 1");
        QCOMPARE(Raw("SELECT PaymentsSum FROM Credits WHERE CreditID = 1"), QByteArray("0.2"));
    }
};

QTEST_APPLESS_MAIN(TestLoanBookFile)
#include "TestLoanBookFile.moc"
