#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/PlainIndexing.h"

#include "sqlite/Cp1251Codec.h"
#include "sqlite/ResultSet.h"
#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"

// A file written by an earlier installation: its own schema, its own triggers,
// dates of ten characters here and there, an empty PaymentsSum.
class TestLegacyLoanBook : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_schema;
    std::unique_ptr<TDataAccessFacade> m_facade;

    QByteArray Raw(const QByteArray& sql) { return DataTest::RawValue(m_path, sql); }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("legacy-loanbook.s3db")));
        m_path = DataTest::CopyFixture(m_dir, QStringLiteral("legacy-loanbook.s3db"));
        m_schema = DataTest::DumpSchema(m_path);
        QVERIFY(!m_schema.isEmpty());
        m_facade = DataTest::OpenFacade(m_path);
    }
    // Whatever the program did, the file's own structure is as it was.
    void cleanup()
    {
        m_facade.reset();
        QCOMPARE(DataTest::DumpSchema(m_path), m_schema);
        QCOMPARE(DataTest::IntegrityCheck(m_path), QByteArray("ok"));
    }

    void versionPasses()
    {
        std::optional<TDBVersion> found;
        QVERIFY(m_facade->VerifyDBVersion(RequiredDBVersion(), found));
    }

    void reads()
    {
        TDebtor debtor;
        debtor.SetID(1);
        QVERIFY(m_facade->LoadDebtor(debtor));
        QCOMPARE(debtor.GetName(), QStringLiteral("Иван"));
        QCOMPARE(debtor.Surname, QStringLiteral("Иванов"));
        QCOMPARE(debtor.PassportInfo, QStringLiteral("ОВД Тверского р-на г. Москвы, 12.03.2001"));
        debtor.SetID(2);
        QVERIFY(m_facade->LoadDebtor(debtor));
        QCOMPARE(debtor.GetName(), QStringLiteral("Мария"));
        QCOMPARE(debtor.Telephone, QString());

        TCreditsList credits;
        m_facade->LoadDebtorCredits(2, credits);
        QCOMPARE(credits.Count(), 1);
        QCOMPARE(credits.Items(0)->ContractNumber, QStringLiteral("К-002/09"));
        QCOMPARE(credits.Items(0)->ContractDate, DateTime::FromYMD(2009, 2, 5)); // stored as "2009-02-05"
        QCOMPARE(credits.Items(0)->PaymentsSum, Money::FromText(QStringLiteral("8926.2906")));
        m_facade->LoadDebtorCredits(3, credits);
        QCOMPARE(credits.Items(0)->PaymentsSum, Money()); // empty
        QCOMPARE(credits.Items(0)->FullMustBePaymentSum, Money::FromText(QStringLiteral("3030.0498")));

        TPaymentSchedule schedule;
        m_facade->LoadPaymentSchedule(1, schedule);
        QCOMPARE(schedule.Count(), 12);
        QCOMPARE(schedule.Items(11)->Balance, Money::FromText(QStringLiteral("-0.0003")));
        QCOMPARE(schedule.SumOfAnnua(), Money::FromText(QStringLiteral("10661.8548")));

        TPaymentHistoryItem last;
        QVERIFY(m_facade->LoadLastPayment(1, last));
        QCOMPARE(last.PaymentDate, DateTime::FromYMD(2009, 3, 15, 16, 45, 0, 250));
        QVERIFY(m_facade->LoadLastPayment(2, last));
        QCOMPARE(last.PaymentDate, DateTime::FromYMD(2009, 3, 10));

        TCompany company;
        m_facade->LoadCompany(company);
        QCOMPARE(company.CompanyName, QStringLiteral("ООО «Ромашка»"));
        QCOMPARE(m_facade->GetLastSchedulesDelayUpdate(), DateTime::FromYMD(2009, 5, 10, 9, 30));
        QCOMPARE(m_facade->GetMaxDebtorID(), 3);
    }

    // Text read and written back is the same bytes.
    void textWrittenBackByteForByte()
    {
        const QByteArray company = Raw("SELECT CompanyName || '|' || BossName FROM CompanyInfo");
        const QByteArray debtor = Raw("SELECT PassportInfo FROM Debtors WHERE DebtorID = 1");
        TCompany loaded;
        m_facade->LoadCompany(loaded);
        m_facade->SaveCompany(loaded);
        TDebtor person;
        person.SetID(1);
        m_facade->LoadDebtor(person);
        m_facade->UpdateDebtor(person);
        QCOMPARE(Raw("SELECT CompanyName || '|' || BossName FROM CompanyInfo"), company);
        QCOMPARE(Raw("SELECT PassportInfo FROM Debtors WHERE DebtorID = 1"), debtor);
        QCOMPARE(Cp1251::Decode(company), QStringLiteral("ООО «Ромашка»|Кузнецов Пётр Алексеевич"));
    }

    void writesKeepItsDerivedColumns()
    {
        TPaymentHistoryItem payment;
        payment.PaymentDate = DateTime::FromYMD(2009, 5, 12, 10, 0);
        payment.PaymentSum = Money::FromText(QStringLiteral("1010.0166"));
        m_facade->InsertPayment(3, payment);
        QCOMPARE(payment.GetID(), 4);
        QCOMPARE(Raw("SELECT PaymentsSum FROM Credits WHERE CreditID = 3"), QByteArray("1010.0166"));
        QCOMPARE(Raw("SELECT OrderNumber FROM PaymentHistory WHERE PaymentID = 4"), QByteArray("4"));

        TDebtor debtor;
        debtor.Surname = QStringLiteral("Новиков");
        m_facade->InsertDebtor(debtor);
        QCOMPARE(debtor.GetID(), 4);
        TCredit credit;
        credit.ContractDate = DateTime::FromYMD(2009, 5, 12);
        m_facade->InsertCredit(debtor.GetID(), credit);
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 6, 12), 2);
        m_facade->InsertPaymentSchedule(credit.GetID(), schedule);
        QCOMPARE(Raw("SELECT Count(*) || ' ' || Max(ScheduleID) FROM PaymentSchedule"), QByteArray("23 23"));
    }

    // Its own triggers turn the flags into the credits' and debtors' counts.
    void indexed()
    {
        TClockPin clock(DateTime::FromYMD(2009, 5, 12, 8, 15));
        m_facade->UpdateSchedulesDelay();
        const QList<QByteArray> flags
            = DataTest::RawColumn(m_path, "SELECT WasDelay || ActiveDelay FROM PaymentSchedule ORDER BY ScheduleID");
        QCOMPARE(flags.mid(0, 5), (QList<QByteArray> { "00", "00", "11", "01", "00" })); // the worked example
        QCOMPARE(flags.mid(12, 4), (QList<QByteArray> { "00", "11", "11", "00" }));
        QCOMPARE(flags.mid(18), (QList<QByteArray> { "11", "00", "00" })); // nothing paid
        QCOMPARE(DataTest::RawColumn(m_path, "SELECT DelayCount || ActiveDelayCount FROM Debtors ORDER BY DebtorID"),
                 (QList<QByteArray> { "12", "22", "11" }));
        QCOMPARE(m_facade->GetLastSchedulesDelayUpdate(), DateTime::FromYMD(2009, 5, 12, 8, 15));
        QCOMPARE(Raw("SELECT Count(*) FROM DataBaseState"), QByteArray("1"));
    }

    // Indexed on a few days in turn, with a payment in between, by the indexing
    // here and by the three plain statements on a copy: the same file each time,
    // the file's own triggers keeping the counters on both.
    void indexedLikeThePlainStatements()
    {
        const QString plain = m_dir.filePath(QStringLiteral("plain.s3db"));
        QFile::remove(plain);
        QVERIFY(QFile::copy(m_path, plain));
        const DateTime days[] = { DateTime::FromYMD(2009, 4, 28, 8, 0), DateTime::FromYMD(2009, 5, 12, 8, 15),
                                  DateTime::FromYMD(2009, 5, 29, 19, 0), DateTime::FromYMD(2010, 2, 1, 12, 0) };
        for (const DateTime& now : days) {
            TClockPin clock(now);
            m_facade->UpdateSchedulesDelay();
            PlainIndexing::Run(plain, now);
            QCOMPARE(DataTest::DumpContent(m_path), DataTest::DumpContent(plain));
            for (const QString& path : { m_path, plain })
                DataTest::RawExec(path, "INSERT INTO PaymentHistory (CreditID, PaymentDate, PaymentSum, AheadSum) "
                                        "VALUES (3, '2009-05-12 10:00:00.000', 1010.0166, 0)");
        }
        QCOMPARE(Raw("SELECT Count(*) FROM PaymentSchedule WHERE WasDelay = 1"), QByteArray("15"));
    }

    // A due date of ten characters is due on its own day, not yet late, and a
    // payment made that day finds it as the row due; the next day it is late.
    void shortDueDateOnItsOwnDay()
    {
        DataTest::RawExec(m_path, "UPDATE PaymentSchedule SET PaymentDate = '2009-04-28' WHERE ScheduleID = 19");
        TClockPin clock(DateTime::FromYMD(2009, 4, 28, 11, 0));
        m_facade->UpdateSchedulesDelay();
        QCOMPARE(Raw("SELECT WasDelay || ActiveDelay FROM PaymentSchedule WHERE ScheduleID = 19"), QByteArray("01"));
        QCOMPARE(Raw("SELECT DelayCount || ActiveDelayCount FROM Debtors WHERE DebtorID = 3"), QByteArray("01"));
        TPaymentScheduleItem due;
        QVERIFY(m_facade->LoadScheduleFromDate(3, due, Clock::Now()));
        QCOMPARE(due.GetID(), 19);
        QCOMPARE(m_facade->OpenDebtorsForDateQuery(Clock::Now())->RowCount(), 1);

        clock.Set(DateTime::FromYMD(2009, 4, 29, 9, 0));
        m_facade->UpdateSchedulesDelay();
        QCOMPARE(Raw("SELECT WasDelay || ActiveDelay FROM PaymentSchedule WHERE ScheduleID = 19"), QByteArray("11"));
    }

    // The third payment, stored as 2009-03-10, is among that day's and that month's.
    void shortPaymentDateOnItsOwnDay()
    {
        auto payments = m_facade->OpenPaymentsForDateQuery(DateTime::FromYMD(2009, 3, 10, 15, 0));
        QCOMPARE(payments->RowCount(), 1);
        QCOMPARE(payments->Text(0, payments->ColumnIndex(QStringLiteral("PaymentID"))), QStringLiteral("3"));
        QCOMPARE(m_facade->GetMonthPaymentsTotal(3, 2009), Money::FromText(QStringLiteral("9814.7785")));
    }
};

QTEST_APPLESS_MAIN(TestLegacyLoanBook)
#include "TestLegacyLoanBook.moc"
