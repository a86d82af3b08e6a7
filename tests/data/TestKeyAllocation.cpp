#include "support/DataTestSupport.h"

#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"

#include <QSet>

// Keys and cash-order numbers are given once in a book, whatever the file
// declares: deleting the rows with the largest keys never brings them back,
// in this program's session or the next one.
class TestKeyAllocation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<TDataAccessFacade> m_facade;

    QByteArray Raw(const QByteArray& sql) const { return DataTest::RawValue(m_path, sql); }
    int RawInt(const QByteArray& sql) const { return Raw(sql).toInt(); }

    // The debtor with the largest key and everything of its own, as the program deletes it.
    void DeleteLastDebtor()
    {
        const int debtorID = RawInt("SELECT Max(DebtorID) FROM Debtors");
        for (const QByteArray& credit :
             DataTest::RawColumn(m_path, "SELECT CreditID FROM Credits WHERE DebtorID = " + QByteArray::number(debtorID))) {
            m_facade->DeleteCreditPayments(credit.toInt());
            m_facade->DeleteCreditSchedule(credit.toInt());
        }
        m_facade->DeleteDebtorCredits(debtorID);
        m_facade->DeleteDebtor(debtorID);
    }

    struct TNewRows
    {
        int DebtorID, CreditID, FirstScheduleID, PaymentID;
    };
    TNewRows AddDebtorWithCreditAndPayment()
    {
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Новиков");
        m_facade->InsertDebtor(debtor);
        TCredit credit;
        credit.ContractDate = DateTime::FromYMD(2009, 5, 12);
        m_facade->InsertCredit(debtor.GetID(), credit);
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 6, 12), 3);
        m_facade->InsertPaymentSchedule(credit.GetID(), schedule);
        TPaymentHistoryItem payment;
        payment.PaymentDate = DateTime::FromYMD(2009, 6, 12, 10, 0);
        payment.PaymentSum = Money::FromText(QStringLiteral("888.4879"));
        m_facade->InsertPayment(credit.GetID(), payment);
        const int firstSchedule = RawInt("SELECT Min(ScheduleID) FROM PaymentSchedule WHERE CreditID = "
                                         + QByteArray::number(credit.GetID()));
        return { debtor.GetID(), credit.GetID(), firstSchedule, payment.GetID() };
    }

    // Every key and order number of the file so far, and what every table declares.
    struct TSeen
    {
        QSet<QByteArray> Keys;
        QByteArray Declarations;
    };
    TSeen Look() const
    {
        TSeen seen;
        const QList<QByteArray> keys = DataTest::RawColumn(
            m_path, "SELECT 'debtor ' || DebtorID FROM Debtors UNION ALL SELECT 'credit ' || CreditID FROM Credits "
                    "UNION ALL SELECT 'row ' || ScheduleID FROM PaymentSchedule "
                    "UNION ALL SELECT 'payment ' || PaymentID FROM PaymentHistory "
                    "UNION ALL SELECT 'order ' || OrderNumber FROM PaymentHistory");
        seen.Keys = QSet<QByteArray>(keys.begin(), keys.end());
        seen.Declarations = DataTest::RawColumn(m_path, "SELECT name || ' ' || sql FROM sqlite_master "
                                                        "WHERE name <> 'sqlite_sequence' ORDER BY name")
                                .join('\n');
        return seen;
    }

private slots:
    void initTestCase() { DataTest::PinLocale(); }

    void deletedKeysNeverComeBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("earlier installation, keys without AUTOINCREMENT") << "without";
        QTest::newRow("earlier installation, keys with AUTOINCREMENT") << "with";
    }
    void deletedKeysNeverComeBack()
    {
        QFETCH(QString, file);
        const QString name = file + QStringLiteral(".s3db");
        m_facade.reset();
        QFile::remove(m_dir.filePath(name));
        if (file == QLatin1String("without")) {
            m_path = DataTest::LegacyWithoutAutoincrement(m_dir, name);
        } else {
            m_path = m_dir.filePath(name);
            QVERIFY(QFile::copy(DataTest::FixturePath(QStringLiteral("legacy-loanbook.s3db")), m_path));
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        }
        QCOMPARE(Raw("SELECT Count(*) FROM sqlite_master WHERE sql LIKE '%AUTOINCREMENT%'"),
                 QByteArray(file == QLatin1String("without") ? "0" : "4"));
        const TSeen before = Look();
        m_facade = DataTest::OpenFacade(m_path);

        QSet<QByteArray> given = before.Keys;
        const auto expectNew = [&given](const QByteArray& key) {
            QVERIFY2(!given.contains(key), key.constData());
            given.insert(key);
        };
        const auto expectNewPayment = [&](int paymentID) {
            expectNew("payment " + QByteArray::number(paymentID));
            expectNew("order " + Raw("SELECT OrderNumber FROM PaymentHistory WHERE PaymentID = "
                                     + QByteArray::number(paymentID)));
        };

        // The latest payment of the book taken back: its order number stays spent.
        TPaymentHistoryItem latest;
        QVERIFY(m_facade->LoadLatestPayment(2, latest, nullptr));
        QCOMPARE(latest.GetID(), 3);
        m_facade->DeletePayment(3);
        TPaymentHistoryItem again;
        again.PaymentDate = DateTime::FromYMD(2009, 5, 12, 10, 0);
        again.PaymentSum = Money::FromText(QStringLiteral("100"));
        m_facade->InsertPayment(2, again);
        expectNewPayment(again.GetID());

        // The debtor with the largest keys of every table deleted, twice, the
        // second time in a later session.
        for (int session = 0; session < 2; ++session) {
            DeleteLastDebtor();
            const TNewRows added = AddDebtorWithCreditAndPayment();
            expectNew("debtor " + QByteArray::number(added.DebtorID));
            expectNew("credit " + QByteArray::number(added.CreditID));
            for (int i = 0; i < 3; ++i)
                expectNew("row " + QByteArray::number(added.FirstScheduleID + i));
            expectNewPayment(added.PaymentID);
            m_facade = DataTest::OpenFacade(m_path);
        }

        // An earlier installation goes on writing the file its way, and the
        // program goes on above whatever it wrote.
        DataTest::RawExec(m_path, "INSERT INTO Debtors (Surname) VALUES ('Прежний')");
        const int byEarlier = RawInt("SELECT Max(DebtorID) FROM Debtors");
        TDebtor next;
        m_facade->InsertDebtor(next);
        QCOMPARE(next.GetID(), byEarlier + 1);

        m_facade.reset();
        QCOMPARE(Look().Declarations, before.Declarations);
        QCOMPARE(DataTest::IntegrityCheck(m_path), QByteArray("ok"));
    }

    // A new book declares its keys AUTOINCREMENT: the record is SQLite's own
    // and the program's keys are the very ones SQLite would give.
    void newBookKeysAsSQLiteGivesThem()
    {
        DataTest::TBook book;
        TDebtor first;
        book.facade->InsertDebtor(first);
        TDebtor second;
        book.facade->InsertDebtor(second);
        QCOMPARE(first.GetID(), 1);
        QCOMPARE(second.GetID(), 2);
        book.facade->DeleteDebtor(2);
        DataTest::RawExec(book.path, "INSERT INTO Debtors (Surname) VALUES ('Прежний')");
        QCOMPARE(book.Raw("SELECT Max(DebtorID) FROM Debtors"), QByteArray("3"));
        QCOMPARE(book.Raw("SELECT Count(*) FROM sqlite_sequence WHERE name = 'Debtors'"), QByteArray("1"));
        TDebtor third;
        book.facade->InsertDebtor(third);
        QCOMPARE(third.GetID(), 4);
    }
};

QTEST_APPLESS_MAIN(TestKeyAllocation)
#include "TestKeyAllocation.moc"
