// Prepared statements are kept by the connection and reused by the next
// statement of the same text: a reused one must behave as a new one.
#include "support/DataTestSupport.h"

#include "sqlite/SQLiteExceptions.h"
#include "sqlite/SQLStatement.h"
#include "domain/Debtor.h"

class TestStatementReuse : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;

    TSQLiteConnection& Connection() { return m_book->facade->Connection(); }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init() { m_book = std::make_unique<DataTest::TBook>(); }
    void cleanup() { m_book.reset(); }

    void aReusedStatementStartsWithoutBindings()
    {
        {
            TSQLStatement statement(Connection(), { QStringLiteral("SELECT :Value AS Value") });
            statement.BindText(QStringLiteral("Value"), QStringLiteral("старое"));
            QVERIFY(statement.Step());
        }
        TSQLStatement statement(Connection(), { QStringLiteral("SELECT :Value AS Value") });
        QVERIFY(statement.Step());
        QVERIFY(statement.IsNull(0));
    }

    void aStatementThatFailedRunsAgain()
    {
        const auto insert = [&](int id) {
            TSQLStatement statement(Connection(),
                                    { QStringLiteral("INSERT INTO Debtors (DebtorID, Surname) VALUES (:ID, 'x')") });
            statement.BindInteger(QStringLiteral("ID"), id);
            statement.Execute();
        };
        insert(1);
        QVERIFY_THROWS_EXCEPTION(EDatabaseException, insert(1)); // the key is taken
        insert(2);
        QCOMPARE(DataTest::RawValue(m_book->path, "SELECT Group_Concat(DebtorID) FROM Debtors"), QByteArray("1,2"));
    }

    void aStatementLeftHalfReadHoldsNoLock()
    {
        DataTest::RawExec(m_book->path, "INSERT INTO Debtors (Surname) VALUES ('a'), ('b')");
        {
            TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM Debtors") });
            QVERIFY(statement.Step());
        }
        auto other = DataTest::RawOpen(m_book->path);
        other->exec("BEGIN EXCLUSIVE"); // fails at once if a reader were still there
        other->exec("COMMIT");
    }

    void anotherFileIsNeverAnsweredFromTheFirst()
    {
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Первый");
        m_book->facade->InsertDebtor(debtor);
        QVERIFY(m_book->facade->DebtorExists(debtor.GetID()));
        QTemporaryDir dir;
        const QString second = DataTest::NewLoanBook(dir);
        Connection().Close();
        Connection().SetFileName(second);
        Connection().Open();
        QVERIFY(!m_book->facade->DebtorExists(debtor.GetID()));
        QVERIFY(m_book->facade->OpenDebtorsListQuery()->IsEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStatementReuse)
#include "TestStatementReuse.moc"
