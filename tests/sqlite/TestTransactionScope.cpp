#include "support/DataTestSupport.h"

#include "data/DataExceptions.h"
#include "sqlite/TransactionScope.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"

class TestTransactionScope : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;

    TSQLiteConnection& Connection() { return m_book->facade->Connection(); }
    int AddDebtor(const QString& surname)
    {
        TDebtor debtor;
        debtor.Surname = surname;
        m_book->facade->InsertDebtor(debtor);
        return debtor.GetID();
    }
    QList<QByteArray> Surnames()
    {
        return DataTest::RawColumn(m_book->path, "SELECT Surname FROM Debtors ORDER BY DebtorID");
    }

private slots:
    void init() { m_book = std::make_unique<DataTest::TBook>(); }
    void cleanup() { m_book.reset(); }

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
            m_book->facade->InsertCredit(debtorID, credit);
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
        QVERIFY_THROWS_EXCEPTION(EDebtorNotExistsException, m_book->facade->InsertCredit(99, credit));
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
