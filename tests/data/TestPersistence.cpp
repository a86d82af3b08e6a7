#include "support/DataTestSupport.h"
#include "support/SampleRecords.h"

#include "sqlite/Cp1251Codec.h"
#include "data/DataExceptions.h"
#include "sqlite/SQLiteExceptions.h"
#include "sqlite/SQLStatement.h"
#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"

#include <QFileInfo>

namespace {

TDebtor FullDebtor()
{
    TDebtor debtor;
    debtor.SetName(QStringLiteral("Пётр"));
    debtor.Surname = QStringLiteral("Сидоров");
    debtor.PatronymicName = QStringLiteral("Николаевич");
    debtor.Telephone = QStringLiteral("+7 900 111 22 33");
    debtor.PostCode = QStringLiteral("101000");
    debtor.Region = QStringLiteral("Московская обл.");
    debtor.District = QStringLiteral("Мытищинский р-н");
    debtor.City = QStringLiteral("Мытищи");
    debtor.Street = QStringLiteral("Ленина");
    debtor.Building = QStringLiteral("7");
    debtor.Flat = QStringLiteral("15");
    debtor.PassportSeries = QStringLiteral("4600");
    debtor.PassportNumber = QStringLiteral("000111");
    debtor.PassportInfo = QStringLiteral("ОВД «Северное», №12, 12.03.2001");
    return debtor;
}

TCredit SampleCredit()
{
    TCredit credit = Sample::WorkedExampleCredit();
    credit.ContractNumber = QStringLiteral("К-001/09");
    credit.FullMustBePaymentSum = Money::FromText(QStringLiteral("10661.8548"));
    return credit;
}

}

class TestPersistence : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;

    TDataAccessFacade& Facade() { return *m_book->facade; }

    int AddDebtor()
    {
        TDebtor debtor = FullDebtor();
        Facade().InsertDebtor(debtor);
        return debtor.GetID();
    }
    int AddCredit(int debtorID)
    {
        TCredit credit = SampleCredit();
        Facade().InsertCredit(debtorID, credit);
        return credit.GetID();
    }
    int AddCreditWithSchedule(int rows = 4)
    {
        const int creditID = AddCredit(AddDebtor());
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 2, 15), rows);
        Facade().InsertPaymentSchedule(creditID, schedule);
        return creditID;
    }
    QByteArray Raw(const QByteArray& sql) { return m_book->Raw(sql); }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init() { m_book = std::make_unique<DataTest::TBook>(); }
    void cleanup() { m_book.reset(); }

    void debtorRoundTrip()
    {
        TDebtor debtor = FullDebtor();
        debtor.PatronymicName.clear();
        Facade().InsertDebtor(debtor);
        QCOMPARE(debtor.GetID(), 1);

        TDebtor loaded;
        loaded.SetID(debtor.GetID());
        QVERIFY(Facade().LoadDebtor(loaded));
        QCOMPARE(loaded.GetName(), debtor.GetName());
        QCOMPARE(loaded.Surname, debtor.Surname);
        QCOMPARE(loaded.PatronymicName, QString());
        QCOMPARE(loaded.PassportInfo, debtor.PassportInfo);
        QCOMPARE(loaded.Telephone, debtor.Telephone);
        QCOMPARE(loaded.City, debtor.City);
        QCOMPARE(loaded.Flat, debtor.Flat);
    }

    // Text reaches the file as Windows-1251 bytes, an empty text as NULL.
    void debtorStoredForms()
    {
        TDebtor debtor = FullDebtor();
        debtor.Telephone.clear();
        Facade().InsertDebtor(debtor);
        QCOMPARE(Raw("SELECT Surname FROM Debtors"), QByteArray("\xD1\xE8\xE4\xEE\xF0\xEE\xE2"));
        QCOMPARE(Raw("SELECT typeof(Telephone) FROM Debtors"), QByteArray("null"));
        QCOMPARE(Raw("SELECT typeof(PassportNumber) || PassportNumber FROM Debtors"), QByteArray("text000111"));
    }

    void refusedCharacterWritesNothing()
    {
        TDebtor debtor = FullDebtor();
        debtor.Street = QStringLiteral("Әуезов көшесі");
        QVERIFY_THROWS_EXCEPTION(ETextEncodingException, Facade().InsertDebtor(debtor));
        QCOMPARE(debtor.GetID(), -1);
        QCOMPARE(Raw("SELECT Count(*) FROM Debtors"), QByteArray("0"));

        const int id = AddDebtor();
        const QByteArray before = DataTest::DumpContent(m_book->path);
        debtor.SetID(id);
        QVERIFY_THROWS_EXCEPTION(ETextEncodingException, Facade().UpdateDebtor(debtor));
        QCOMPARE(DataTest::DumpContent(m_book->path), before);
    }

    void updateDebtor()
    {
        TDebtor debtor = FullDebtor();
        Facade().InsertDebtor(debtor);
        debtor.Surname = QStringLiteral("Петров");
        debtor.Flat.clear();
        Facade().UpdateDebtor(debtor);
        TDebtor loaded;
        loaded.SetID(debtor.GetID());
        Facade().LoadDebtor(loaded);
        QCOMPARE(loaded.Surname, QStringLiteral("Петров"));
        QCOMPARE(Raw("SELECT typeof(Flat) FROM Debtors"), QByteArray("null"));

        // An unknown debtor is not written, and says so.
        const QByteArray before = DataTest::DumpContent(m_book->path);
        debtor.SetID(77);
        QVERIFY_THROWS_EXCEPTION(EDebtorNotExistsException, Facade().UpdateDebtor(debtor));
        QCOMPARE(DataTest::DumpContent(m_book->path), before);
    }

    void missingRecordsRaise()
    {
        TDebtor debtor;
        debtor.SetID(5);
        try {
            Facade().LoadDebtor(debtor);
            QFAIL("no error");
        } catch (const EDebtorNotExistsException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Должник 5 не существует."));
        }
        TCredit credit = SampleCredit();
        credit.SetID(42);
        try {
            Facade().UpdateCredit(credit);
            QFAIL("no error");
        } catch (const ECreditNotExistsException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Кредит 42 не существует."));
        }
        TPaymentScheduleItem row;
        row.SetID(99);
        try {
            Facade().UpdateScheduleItem(row);
            QFAIL("no error");
        } catch (const Exception& error) {
            QCOMPARE(error.Message(), QStringLiteral("Записи 99 в графике выплат не существует."));
        }
        QVERIFY_THROWS_EXCEPTION(EDebtorNotExistsException, Facade().InsertCredit(3, credit));
        QCOMPARE(credit.GetID(), 42);
        TPaymentHistoryItem payment;
        QVERIFY_THROWS_EXCEPTION(ECreditNotExistsException, Facade().InsertPayment(8, payment));
        QCOMPARE(payment.GetID(), -1);
        QCOMPARE(Raw("SELECT (SELECT Count(*) FROM Credits) + (SELECT Count(*) FROM PaymentHistory)"), QByteArray("0"));
    }

    void maxDebtorID()
    {
        QCOMPARE(Facade().GetMaxDebtorID(), -1);
        AddDebtor();
        const int second = AddDebtor();
        QCOMPARE(Facade().GetMaxDebtorID(), second);
    }

    void creditRoundTrip()
    {
        const int debtorID = AddDebtor();
        TCredit credit = SampleCredit();
        Facade().InsertCredit(debtorID, credit);
        QCOMPARE(credit.GetID(), 1);
        QCOMPARE(Raw("SELECT typeof(CreditSize) || ' ' || CreditSize FROM Credits"), QByteArray("integer 10000"));
        QCOMPARE(Raw("SELECT FullMustBePaymentSum FROM Credits"), QByteArray("10661.8548"));
        QCOMPARE(Raw("SELECT ContractDate FROM Credits"), QByteArray("2009-01-20 00:00:00.000"));

        TCreditsList credits;
        credits.Add(std::make_unique<TCredit>()); // replaced by the load
        Facade().LoadDebtorCredits(debtorID, credits);
        QCOMPARE(credits.Count(), 1);
        const TCredit* loaded = credits.Items(0);
        QCOMPARE(loaded->GetID(), credit.GetID());
        QCOMPARE(loaded->ContractNumber, credit.ContractNumber);
        QCOMPARE(loaded->ContractDate, credit.ContractDate);
        QCOMPARE(loaded->PaymentDay, 15);
        QCOMPARE(loaded->CreditPeriod, 12);
        QCOMPARE(loaded->YearPercent, 12);
        QCOMPARE(loaded->CreditSize, credit.CreditSize);
        QCOMPARE(loaded->FullMustBePaymentSum, credit.FullMustBePaymentSum);
        QCOMPARE(loaded->PaymentsSum, Money());
        QCOMPARE(loaded->DelayCount, 0);

        // An unknown debtor leaves the list as it was.
        QVERIFY_THROWS_EXCEPTION(EDebtorNotExistsException, Facade().LoadDebtorCredits(99, credits));
        QCOMPARE(credits.Count(), 1);
    }

    void updateCreditKeepsDebtor()
    {
        const int debtorID = AddDebtor();
        TCredit credit = SampleCredit();
        Facade().InsertCredit(debtorID, credit);
        credit.CreditSize = Money::FromText(QStringLiteral("1234.5"));
        credit.ContractNumber = QStringLiteral("К-002");
        Facade().UpdateCredit(credit);
        QCOMPARE(Raw("SELECT DebtorID || ' ' || CreditSize || ' ' || ContractNumber FROM Credits"),
                 QByteArray("1 1234.5 \xCA-002"));
    }

    // Deletions never cascade; the caller deletes the dependent rows itself.
    void deletionsDoNotCascade()
    {
        const int creditID = AddCreditWithSchedule(3);
        TPaymentHistoryItem payment;
        payment.PaymentSum = Money::FromText(QStringLiteral("100"));
        Facade().InsertPayment(creditID, payment);
        Facade().DeleteDebtor(1);
        QCOMPARE(Raw("SELECT Count(*) FROM Credits"), QByteArray("1"));
        Facade().DeleteCredit(creditID);
        QCOMPARE(Raw("SELECT Count(*) FROM PaymentSchedule"), QByteArray("3"));
        Facade().DeleteCreditSchedule(creditID);
        Facade().DeleteCreditPayments(creditID);
        QCOMPARE(Raw("SELECT (SELECT Count(*) FROM PaymentSchedule) + (SELECT Count(*) FROM PaymentHistory)"),
                 QByteArray("0"));
        Facade().DeleteDebtor(1234); // nothing matches, nothing happens
    }

    void deleteDebtorCredits()
    {
        const int debtorID = AddDebtor();
        AddCredit(debtorID);
        AddCredit(debtorID);
        AddCredit(AddDebtor());
        Facade().DeleteDebtorCredits(debtorID);
        QCOMPARE(Raw("SELECT Count(*) FROM Credits"), QByteArray("1"));
    }

    void scheduleRoundTrip()
    {
        const int creditID = AddCredit(AddDebtor());
        TPaymentSchedule schedule;
        DataTest::FillSchedule(schedule, DateTime::FromYMD(2009, 2, 15), 3);
        Facade().InsertPaymentSchedule(creditID, schedule);
        for (const auto& row : schedule)
            QCOMPARE(row->GetID(), -1);
        QCOMPARE(Raw("SELECT typeof(WasDelay) || WasDelay || ActiveDelay FROM PaymentSchedule"),
                 QByteArray("integer00"));

        TPaymentSchedule loaded;
        QVERIFY(Facade().LoadPaymentSchedule(creditID, loaded));
        QCOMPARE(loaded.Count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(loaded.Items(i)->GetID(), i + 1);
            QCOMPARE(loaded.Items(i)->PaymentDate, schedule.Items(i)->PaymentDate);
            QCOMPARE(loaded.Items(i)->MustBePaymentSum, schedule.Items(i)->MustBePaymentSum);
            QCOMPARE(loaded.Items(i)->Balance, schedule.Items(i)->Balance);
            QCOMPARE(loaded.Items(i)->PayingOff, schedule.Items(i)->PayingOff);
            QCOMPARE(loaded.Items(i)->CreditPercents, schedule.Items(i)->CreditPercents);
            QCOMPARE(loaded.Items(i)->Annua, schedule.Items(i)->Annua);
            QVERIFY(!loaded.Items(i)->WasDelay && !loaded.Items(i)->Modified && !loaded.Items(i)->Deleted);
        }

        const int empty = AddCredit(1);
        QVERIFY(Facade().LoadPaymentSchedule(empty, loaded));
        QCOMPARE(loaded.Count(), 0);
        QVERIFY_THROWS_EXCEPTION(ECreditNotExistsException, Facade().LoadPaymentSchedule(77, loaded));
    }

    void scheduleFromDate_data()
    {
        QTest::addColumn<DateTime>("date");
        QTest::addColumn<int>("scheduleID");
        QTest::newRow("before the first") << DateTime::FromYMD(2009, 1, 1) << 1;
        QTest::newRow("due that day, in the evening") << DateTime::FromYMD(2009, 3, 15, 18, 30) << 2;
        QTest::newRow("the day after") << DateTime::FromYMD(2009, 3, 16) << 3;
        QTest::newRow("the last due date") << DateTime::FromYMD(2009, 5, 15, 23, 59, 59, 999) << 4;
        QTest::newRow("after the last") << DateTime::FromYMD(2009, 5, 16) << -1;
    }
    void scheduleFromDate()
    {
        QFETCH(DateTime, date);
        QFETCH(int, scheduleID);
        const int creditID = AddCreditWithSchedule(4);
        TPaymentScheduleItem row;
        QVERIFY(Facade().LoadScheduleFromDate(creditID, row, date));
        QCOMPARE(row.GetID(), scheduleID);
    }

    // An advance: the tail is replaced by new rows; a respite also changes one kept row.
    void saveScheduleChanges()
    {
        const int creditID = AddCreditWithSchedule(4);
        TPaymentSchedule working;
        Facade().LoadPaymentSchedule(creditID, working);
        working.Items(1)->Annua = Money::FromText(QStringLiteral("92.1151"));
        working.Items(1)->Modified = true;
        working.MarkDeletedFrom(2);
        auto dropped = DataTest::ScheduleRow(DateTime::FromYMD(2009, 4, 15), "1", "1");
        dropped->Deleted = true; // computed and replaced again before saving
        working.Add(std::move(dropped));
        working.Add(DataTest::ScheduleRow(DateTime::FromYMD(2009, 4, 15), "2000"));
        working.Add(DataTest::ScheduleRow(DateTime::FromYMD(2009, 5, 15), "3000"));
        Facade().SaveScheduleChanges(creditID, working);

        QCOMPARE(
            DataTest::RawColumn(m_book->path,
                                "SELECT ScheduleID || ' ' || Annua || ' ' || MustBePaymentSum "
                                "FROM PaymentSchedule ORDER BY ScheduleID"),
            (QList<QByteArray> { "1 888.4879 888.4879", "2 92.1151 1776.9758", "5 888.4879 2000", "6 888.4879 3000" }));
        QVERIFY_THROWS_EXCEPTION(ECreditNotExistsException, Facade().SaveScheduleChanges(55, working));
    }

    void paymentsKeepDerivedColumns()
    {
        const int creditID = AddCreditWithSchedule(2);
        TPaymentHistoryItem first;
        first.PaymentDate = DateTime::FromYMD(2009, 2, 14, 11, 20, 5);
        first.PaymentSum = Money::FromText(QStringLiteral("888.4879"));
        Facade().InsertPayment(creditID, first);
        TPaymentHistoryItem second;
        second.PaymentDate = DateTime::FromYMD(2009, 2, 14, 16, 45, 0, 250);
        second.PaymentSum = Money::FromText(QStringLiteral("888.4879"));
        second.AheadSum = Money::FromText(QStringLiteral("500"));
        Facade().InsertPayment(creditID, second);
        QCOMPARE(first.GetID(), 1);
        QCOMPARE(second.GetID(), 2);
        QCOMPARE(Raw("SELECT PaymentsSum FROM Credits"), QByteArray("1776.9758"));
        QCOMPARE(DataTest::RawColumn(m_book->path, "SELECT OrderNumber FROM PaymentHistory"),
                 (QList<QByteArray> { "1", "2" }));
        QCOMPARE(Raw("SELECT PaymentDate FROM PaymentHistory WHERE PaymentID = 2"),
                 QByteArray("2009-02-14 16:45:00.250"));

        // Two payments of one day are told apart by their time.
        TPaymentHistoryItem last;
        QVERIFY(Facade().LoadLastPayment(creditID, last));
        QCOMPARE(last.PaymentDate, second.PaymentDate);
        QCOMPARE(last.GetID(), -1);
        QCOMPARE(last.PaymentSum, Money());

        Facade().DeleteCreditPayments(creditID);
        QCOMPARE(Raw("SELECT PaymentsSum FROM Credits"), QByteArray("0"));
        QVERIFY(!Facade().LoadLastPayment(creditID, last));
    }

    // A sum of many payments stays exact to the ten-thousandth.
    void paymentsSumDoesNotDrift()
    {
        const int creditID = AddCredit(AddDebtor());
        for (int i = 0; i < 30; ++i) {
            TPaymentHistoryItem payment;
            payment.PaymentSum = Money::FromText(QStringLiteral("0.1"));
            Facade().InsertPayment(creditID, payment);
        }
        TCreditsList credits;
        Facade().LoadDebtorCredits(1, credits);
        QCOMPARE(credits.Items(0)->PaymentsSum, Money::FromText(QStringLiteral("3")));
    }

    void company()
    {
        TCompany company;
        company.CompanyName = QStringLiteral("x");
        Facade().LoadCompany(company);
        QCOMPARE(company.CompanyName, QString());
        QVERIFY(Facade().CompanyExists());

        company.CompanyName = QStringLiteral("ООО «Ромашка»");
        company.BossName = QStringLiteral("Кузнецов Пётр Алексеевич");
        Facade().SaveCompany(company);
        TCompany loaded;
        Facade().LoadCompany(loaded);
        QCOMPARE(loaded.CompanyName, company.CompanyName);
        QCOMPARE(loaded.BossName, company.BossName);
        QCOMPARE(Raw("SELECT Count(*) FROM CompanyInfo"), QByteArray("1"));

        DataTest::RawExec(m_book->path, "DELETE FROM CompanyInfo");
        Facade().UpdateCompany(company);
        QVERIFY(!Facade().CompanyExists());
        Facade().LoadCompany(loaded);
        QCOMPARE(loaded.BossName, QString());
        Facade().SaveCompany(company);
        QCOMPARE(Raw("SELECT Count(*) || CompanyName FROM CompanyInfo"),
                 QByteArray("1\xCE\xCE\xCE \xAB\xD0\xEE\xEC\xE0\xF8\xEA\xE0\xBB"));
    }

    void statementBuilding()
    {
        QCOMPARE(TDataAccessFacade::JoinNames({ QStringLiteral("A"), QStringLiteral("B") }, QStringLiteral(":")),
                 QStringLiteral(":A, :B"));
        QCOMPARE(TDataAccessFacade::BuildInsertSQL(QStringLiteral("CompanyInfo"),
                                                   { QStringLiteral("CompanyName"), QStringLiteral("BossName") }),
                 QStringLiteral("INSERT INTO CompanyInfo (CompanyName, BossName)\r\nVALUES (:CompanyName, :BossName)"));
        QCOMPARE(
            TDataAccessFacade::BuildSelectSQL(QStringLiteral("Debtors"), { QStringLiteral("Max(DebtorID) AS MaxID") }),
            QStringLiteral("SELECT Max(DebtorID) AS MaxID FROM Debtors"));
        QCOMPARE(TDataAccessFacade::DateTimeToSQLText(DateTime::FromYMD(2009, 5, 7, 13, 1), true),
                 QStringLiteral("2009-05-07 00:00:00.000"));
        QCOMPARE(TDataAccessFacade::DateTimeToSQLText(DateTime::FromYMD(2009, 5, 7, 13, 1), false),
                 QStringLiteral("2009-05-07 13:01:00.000"));
    }

    void setParamValue_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("real") << QVariant(0.1) << QByteArray("text 0.1");
        QTest::newRow("integer") << QVariant(15) << QByteArray("integer 15");
        QTest::newRow("money") << QVariant::fromValue(Money::FromText(QStringLiteral("1234.5")))
                               << QByteArray("text 1234.5");
        QTest::newRow("date-time") << QVariant::fromValue(DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250))
                                   << QByteArray("text 2009-05-14 13:45:07.250");
        QTest::newRow("qt date") << QVariant(QDate(2009, 5, 14)) << QByteArray("text 2009-05-14 00:00:00.000");
        QTest::newRow("text") << QVariant(QStringLiteral("Ёж")) << QByteArray("text \xA8\xE6");
        QTest::newRow("empty text") << QVariant(QString()) << QByteArray("null ");
    }
    void setParamValue()
    {
        QFETCH(QVariant, value);
        QFETCH(QByteArray, stored);
        TSQLStatement statement(Facade().Connection(),
                                { QStringLiteral("SELECT typeof(:V) || ' ' || IfNull(:V, '')") });
        TDataAccessFacade::SetParamValue(statement, QStringLiteral("V"), value);
        TDataAccessFacade::SetParamValue(statement, QStringLiteral("Absent"), value); // skipped
        QVERIFY(statement.Step());
        QCOMPARE(Cp1251::Encode(statement.Text(0)), stored);
    }

    // Values as earlier files and SQLite arithmetic leave them, read as money.
    void moneyRead_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<qint64>("units");
        QTest::newRow("real") << "1776.9758" << qint64(17769758);
        QTest::newRow("real sum off by a hair") << "0.1 + 0.2" << qint64(3000);
        QTest::newRow("negative real") << "-0.0003" << qint64(-3);
        // Read through its 15-digit text, as SQLite gives it.
        QTest::newRow("large real") << "123456789012.3456" << qint64(1234567890123460);
        QTest::newRow("integer") << "10000" << qint64(100000000);
        QTest::newRow("text") << "'1234.5'" << qint64(12345000);
        QTest::newRow("text tie goes to even") << "'0.00005'" << qint64(0);
        QTest::newRow("null") << "NULL" << qint64(0);
        QTest::newRow("junk") << "'abc'" << qint64(0);
    }
    void moneyRead()
    {
        QFETCH(QString, expression);
        QFETCH(qint64, units);
        TSQLStatement statement(Facade().Connection(), { QStringLiteral("SELECT ") + expression });
        QVERIFY(statement.Step());
        QCOMPARE(statement.MoneyValue(0).Units(), units);
    }

    void connectionFileName()
    {
        TSQLiteConnection connection;
        connection.SetFileName(QStringLiteral("  ") + m_book->path + QStringLiteral("\t "));
        QCOMPARE(connection.FileName(), m_book->path);
        connection.Open();
        QVERIFY(connection.IsOpen());
        connection.Close();
        QVERIFY(!connection.IsOpen());
    }

    // The program never makes a file by opening it.
    void missingFileIsNotCreated()
    {
        const QString missing = m_book->dir.filePath(QStringLiteral("missing.s3db"));
        TSQLiteConnection connection;
        connection.SetFileName(missing);
        try {
            connection.Open();
            QFAIL("opened");
        } catch (const EDatabaseException& error) {
            QCOMPARE(error.Message(), QStringLiteral("unable to open database file"));
        }
        QVERIFY(!QFileInfo::exists(missing));
    }
};

QTEST_APPLESS_MAIN(TestPersistence)
#include "TestPersistence.moc"
