// The PostgreSQL engine and the server book's schema on a throwaway cluster:
// values bound (never pasted), transaction scopes, errors, and the triggers
// that keep the derived totals and counters as the file's do.

#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "postgres/PgTransactionScope.h"
#include "postgres/ServerSchema.h"
#include "support/ThrowawayCluster.h"

#include <QTest>

#include <memory>

class TestPostgres : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;

    static QString Value(TPgConnection& connection, const QString& sql, const TPgParams& params = {})
    {
        const TPgResult result = connection.Execute(sql, params);
        return result.IsNull(0, 0) ? QStringLiteral("NULL") : result.Text(0, 0);
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void cleanupTestCase() { m_cluster.Stop(); }

    void boundValuesArriveAsGiven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes and a statement") << QStringLiteral("O'Brien \"Ёж\"'); DROP TABLE t; --");
        QTest::newRow("cyrillic") << QStringLiteral("Щербакова Алёна Юрьевна, ул. Заречная, д. 1/2");
        QTest::newRow("dollar quote and backslash") << QStringLiteral("$$ \\' $1 \\\\ %s");
        QTest::newRow("empty") << QString(QLatin1String(""));
    }
    void boundValuesArriveAsGiven()
    {
        QFETCH(QString, text);
        TPgConnection connection(m_cluster.NewDatabase());
        connection.Execute(QStringLiteral("CREATE TABLE t (v text, n numeric(19,4))"));
        connection.Execute(QStringLiteral("INSERT INTO t VALUES ($1, $2)"), {text, QStringLiteral("10661.8548")});
        QCOMPARE(Value(connection, QStringLiteral("SELECT v FROM t WHERE v = $1"), {text}), text);
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM t")), QStringLiteral("1"));
        connection.Execute(QStringLiteral("INSERT INTO t VALUES ($1, $2)"), {std::nullopt, std::nullopt});
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM t WHERE v IS NULL AND n IS NULL")),
                 QStringLiteral("1"));
    }

    void transactionScopesUndoWhatTheyWrote()
    {
        TPgConnection connection(m_cluster.NewDatabase());
        connection.Execute(QStringLiteral("CREATE TABLE t (v integer)"));
        {
            TPgTransactionScope outer(connection);
            connection.Execute(QStringLiteral("INSERT INTO t VALUES (1)"));
            {
                TPgTransactionScope inner(connection);
                QVERIFY(inner.IsNested());
                connection.Execute(QStringLiteral("INSERT INTO t VALUES (2)"));
            } // left without Commit: only the inner write goes
            {
                TPgTransactionScope inner(connection);
                connection.Execute(QStringLiteral("INSERT INTO t VALUES (3)"));
                inner.Commit();
            }
            outer.Commit();
        }
        QCOMPARE(Value(connection, QStringLiteral("SELECT string_agg(v::text, ',' ORDER BY v) FROM t")),
                 QStringLiteral("1,3"));
        {
            TPgTransactionScope failing(connection);
            connection.Execute(QStringLiteral("INSERT INTO t VALUES (4)"));
            QVERIFY_THROWS_EXCEPTION(EServerException, connection.Execute(QStringLiteral("SELECT 1/0")));
        } // the failed transaction is rolled back, and the connection works on
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM t")), QStringLiteral("2"));
        QVERIFY(!connection.InTransaction());
    }

    void failuresSayWhatWentWrong_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("start");
        QTest::newRow("no such database") << m_cluster.Address(QStringLiteral("nobook"))
                                          << QStringLiteral("На сервере PostgreSQL нет такой базы данных.");
        QTest::newRow("nothing listening") << QStringLiteral("postgresql:///x?host=/nonexistent&port=1")
                                           << QStringLiteral("Сервер PostgreSQL не отвечает");
    }
    void failuresSayWhatWentWrong()
    {
        QFETCH(QString, address);
        QFETCH(QString, start);
        try {
            TPgConnection connection(address);
            QFAIL("connected");
        } catch (const EServerConnectionException& e) {
            QVERIFY2(e.Message().startsWith(start), qPrintable(e.Message()));
        }
    }

    void schemaMakesABookOnce()
    {
        TPgConnection connection(m_cluster.NewDatabase());
        CreateServerBook(connection);
        QCOMPARE(Value(connection, QStringLiteral("SELECT DBType || ' ' || MajorVersion || '.' || MinorVersion || '.' || "
                                                  "ReleaseVersion || '.' || BuildVersion FROM QDBVersion")),
                 QStringLiteral("2 0.0.0.3"));
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM CompanyInfo")), QStringLiteral("1"));
        QVERIFY_THROWS_EXCEPTION(EServerException, CreateServerBook(connection));
        QCOMPARE(Value(connection, QStringLiteral("SELECT count(*) FROM CompanyInfo")), QStringLiteral("1"));
    }

    // The triggers keep PaymentsSum exact, the cash-order number equal to the
    // payment's key, and the overdue counters of the credit and the debtor.
    void triggersKeepTheDerivedColumns()
    {
        TPgConnection connection(m_cluster.NewDatabase());
        CreateServerBook(connection);
        connection.Execute(QStringLiteral("INSERT INTO Debtors (Surname) VALUES ($1)"), {QStringLiteral("Иванов")});
        connection.Execute(QStringLiteral("INSERT INTO Credits (DebtorID, CreditSize) VALUES (1, 10000)"));
        for (const char* sum : {"888.4879", "0.0001", "1000"})
            connection.Execute(QStringLiteral("INSERT INTO PaymentHistory (CreditID, PaymentSum, OrderNumber) "
                                              "VALUES (1, $1, 77)"),
                               {QString::fromLatin1(sum)});
        QCOMPARE(Value(connection, QStringLiteral("SELECT PaymentsSum FROM Credits")), QStringLiteral("1888.4880"));
        QCOMPARE(Value(connection, QStringLiteral("SELECT string_agg(OrderNumber::text, ',' ORDER BY PaymentID) "
                                                  "FROM PaymentHistory")),
                 QStringLiteral("1,2,3"));
        connection.Execute(QStringLiteral("DELETE FROM PaymentHistory WHERE PaymentID = 3"));
        connection.Execute(QStringLiteral("UPDATE PaymentHistory SET PaymentSum = 1 WHERE PaymentID = 2"));
        QCOMPARE(Value(connection, QStringLiteral("SELECT PaymentsSum FROM Credits")), QStringLiteral("889.4879"));

        connection.Execute(QStringLiteral("INSERT INTO PaymentSchedule (CreditID, WasDelay, ActiveDelay) VALUES "
                                          "(1, true, true), (1, true, false), (1, false, false)"));
        const QString counters = QStringLiteral(
            "SELECT c.DelayCount || '/' || c.ActiveDelayCount || ' ' || d.DelayCount || '/' || d.ActiveDelayCount "
            "FROM Credits c JOIN Debtors d USING (DebtorID)");
        QCOMPARE(Value(connection, counters), QStringLiteral("2/1 2/1"));
        connection.Execute(QStringLiteral("UPDATE PaymentSchedule SET ActiveDelay = false"));
        QCOMPARE(Value(connection, counters), QStringLiteral("2/0 2/0"));
        connection.Execute(QStringLiteral("DELETE FROM PaymentSchedule WHERE WasDelay"));
        QCOMPARE(Value(connection, counters), QStringLiteral("0/0 0/0"));

        // A debtor's deletion takes the credit and its rows along.
        connection.Execute(QStringLiteral("DELETE FROM Debtors"));
        QCOMPARE(Value(connection, QStringLiteral("SELECT (SELECT count(*) FROM Credits) + (SELECT count(*) FROM "
                                                  "PaymentHistory) + (SELECT count(*) FROM PaymentSchedule)")),
                 QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestPostgres)
#include "TestPostgres.moc"
