#include "support/ClockPin.h"
#include "support/DataTestSupport.h"

#include "data/DBVersion.h"
#include "demo/DemoLoanBook.h"
#include "domain/Exception.h"

#include <QFileInfo>

namespace {

const DateTime Now = DateTime::FromYMD(2025, 6, 15, 8, 0);

QByteArray Count(const QString& path, const QByteArray& where)
{
    return DataTest::RawValue(path, "SELECT Count(*) FROM " + where);
}

}

class TestDemoLoanBook : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TClockPin> m_clock;

    QString Make(const QString& name, int debtors, std::uint32_t seed)
    {
        const QString path = m_dir.filePath(name);
        TDemoLoanBook(debtors, seed).Create(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        DataTest::PinLocale();
        m_clock = std::make_unique<TClockPin>(Now);
    }
    void cleanupTestCase() { m_clock.reset(); }

    void theSameSeedGivesTheSameBook()
    {
        const QByteArray first = DataTest::DumpContent(Make(QStringLiteral("a.s3db"), 12, 5));
        QCOMPARE(DataTest::DumpContent(Make(QStringLiteral("b.s3db"), 12, 5)), first);
        QVERIFY(DataTest::DumpContent(Make(QStringLiteral("c.s3db"), 12, 6)) != first);
    }

    void theBookIsAPlausibleLoanBook()
    {
        const QString path = Make(QStringLiteral("book.s3db"), 40, 1);
        auto facade = DataTest::OpenFacade(path);
        std::optional<TDBVersion> found;
        QVERIFY(facade->VerifyDBVersion(RequiredDBVersion(), found));
        QCOMPARE(DataTest::IntegrityCheck(path), QByteArray("ok"));

        QCOMPARE(Count(path, "Debtors"), QByteArray("40"));
        QCOMPARE(Count(path, "Debtors WHERE (SELECT Count(*) FROM Credits WHERE Credits.DebtorID = Debtors.DebtorID) "
                             "NOT BETWEEN 1 AND 3"),
                 QByteArray("0"));
        QCOMPARE(Count(path, "CompanyInfo WHERE CompanyName IS NOT NULL AND BossName IS NOT NULL"), QByteArray("1"));
        // Credits of the last two years, each with its whole schedule, also after a rebuild.
        QCOMPARE(Count(path, "Credits WHERE ContractDate < '2023-06-15' OR ContractDate >= '2025-06-15'"), QByteArray("0"));
        QCOMPARE(Count(path, "Credits WHERE Round(FullMustBePaymentSum * 10000) <> (SELECT Round(Sum(Annua) * 10000) "
                             "FROM PaymentSchedule WHERE PaymentSchedule.CreditID = Credits.CreditID)"),
                 QByteArray("0"));
        QCOMPARE(Count(path, "PaymentHistory WHERE PaymentDate >= '2025-06-15 08:00:00.000'"), QByteArray("0"));
        // Every kind of history is there.
        QVERIFY(Count(path, "PaymentHistory WHERE AheadSum > 0").toInt() > 0);
        QVERIFY(Count(path, "Credits WHERE Round((FullMustBePaymentSum - PaymentsSum) * 10000) < 100").toInt() > 0);
        QVERIFY(Count(path, "Debtors WHERE ActiveDelayCount > 0").toInt() > 0);
        QVERIFY(Count(path, "Debtors WHERE DelayCount > 0").toInt() > 0);
        QCOMPARE(facade->GetLastSchedulesDelayUpdate(), Now);
        QVERIFY(!facade->OpenInsolventQuery(Now)->IsEmpty());
    }

    void anExistingFileIsLeftAlone()
    {
        const QString path = m_dir.filePath(QStringLiteral("existing.s3db"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a loan book");
        file.close();
        QVERIFY_THROWS_EXCEPTION(Exception, TDemoLoanBook(3, 1).Create(path));
        QCOMPARE(QFileInfo(path).size(), 15);
    }
};

QTEST_GUILESS_MAIN(TestDemoLoanBook)
#include "TestDemoLoanBook.moc"
