#include "DataTestSupport.h"

#include "data/DataExceptions.h"
#include "data/TransactionScope.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"

class TestTransactionScope : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<TDataAccessFacade> m_facade;

    TSQLiteConnection& Connection() { return m_facade->Connection(); }
    int AddDebtor(const QString& surname)
    {
        TDebtor debtor;
        debtor.Surname = surname;
        m_facade->InsertDebtor(&debtor);
        return debtor.GetID();
    }
    QList<QByteArray> Surnames() { return DataTest::RawColumn(m_path, "SELECT Surname FROM Debtors ORDER BY DebtorID"); }

private slots:
    void init()
    {
        static int n = 0;
        m_path = DataTest::NewLoanBook(m_dir, QStringLiteral("book%1.s3db").arg(++n));
        m_facade = DataTest::OpenFacade(m_path);
    }
    void cleanup() { m_facade.reset(); }

    // A use case of several writes: every facade operation joins it.
    void operationsJoinAnOpenTransaction_data()
    {
        QTest::addColumn<bool>("commit");
        QTest::addColumn<QList<QByteArray>>("stored");
        QTest::newRow("committed") << true << QList<QByteArray> { "A", "B" };
        QTest::newRow("abandoned") << false << QList<QByteArray> {};
    }
    void operationsJoinAnOpenTransaction()
    {
        QFETCH(bool, commit);
        QFETCH(QList<QByteArray>, stored);
        {
            TTransactionScope useCase(Connection());
            QVERIFY(!useCase.IsNested());
            const int debtorID = AddDebtor(QStringLiteral("A"));
            TCredit credit;
            m_facade->InsertCredit(debtorID, &credit);
            AddDebtor(QStringLiteral("B"));
            QCOMPARE(Surnames(), QList<QByteArray> {}); // another connection sees nothing yet
            if (commit)
                useCase.Commit();
        }
        QCOMPARE(Surnames(), stored);
        QVERIFY(!Connection().InTransaction());
    }

    // A failing operation undoes only its own part; the caller decides about the rest.
    void failedInnerOperationRollsBackItsPart()
    {
        TTransactionScope useCase(Connection());
        AddDebtor(QStringLiteral("A"));
        TCredit credit;
        QVERIFY_THROWS_EXCEPTION(EDebtorNotExistsException, m_facade->InsertCredit(99, &credit));
        {
            TTransactionScope inner(Connection());
            QVERIFY(inner.IsNested());
            AddDebtor(QStringLiteral("C"));
        } // left without commit
        QVERIFY(Connection().InTransaction());
        useCase.Commit();
        QCOMPARE(Surnames(), QList<QByteArray> { "A" });
    }

    void exceptionRollsBackEverything()
    {
        try {
            TTransactionScope useCase(Connection());
            AddDebtor(QStringLiteral("A"));
            throw Exception(QStringLiteral("сбой"));
        } catch (const Exception&) {
        }
        QCOMPARE(Surnames(), QList<QByteArray> {});
        AddDebtor(QStringLiteral("D")); // the connection is usable again
        QCOMPARE(Surnames(), QList<QByteArray> { "D" });
    }

    // A transaction begun by hand is joined as well, instead of failing with
    // "cannot start a transaction within a transaction".
    void transactionBegunByHandIsJoined()
    {
        Connection().Execute(QStringLiteral("begin transaction"));
        AddDebtor(QStringLiteral("A"));
        Connection().Execute(QStringLiteral("rollback transaction"));
        QCOMPARE(Surnames(), QList<QByteArray> {});
    }
};

QTEST_APPLESS_MAIN(TestTransactionScope)
#include "TestTransactionScope.moc"
