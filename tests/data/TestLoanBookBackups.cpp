#include "support/DataTestSupport.h"

#include "data/LoanBookBackups.h"
#include "sqlite/SQLiteExceptions.h"
#include "domain/PaymentHistoryItem.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QDate December1(2026, 12, 1);
const QDateTime RestoreMoment(QDate(2026, 12, 11), QTime(9, 30, 5));

QStringList Days(const QList<TLoanBookBackup>& backups)
{
    QStringList days;
    for (const TLoanBookBackup& backup : backups)
        days << backup.Day.toString(Qt::ISODate);
    return days;
}

}

// The daily copies of a loan book: whole and exact, ten days kept, and a
// restore that gives back every value while keeping what it replaces.
class TestLoanBookBackups : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temporary;
    QString m_book;
    QString m_folder;

    const QTemporaryDir& Dir() const { return *m_temporary; }

private slots:
    void init()
    {
        m_temporary = std::make_unique<QTemporaryDir>();
        m_book = DataTest::CopyFixture(Dir(), QStringLiteral("legacy-loanbook.s3db"));
        m_folder = Dir().filePath(TLoanBookBackups::FolderName());
    }

    void RestoreGivesBackEveryValueAndKeepsTheReplacedContent()
    {
        const QByteArray original = DataTest::DumpContent(m_book);
        const QByteArray schema = DataTest::DumpSchema(m_book);
        TLoanBookBackups backups(m_folder);
        const QString copy = backups.Make(m_book, December1);
        QCOMPARE(copy, Dir().filePath(QStringLiteral("Резервные копии/legacy-loanbook 2026-12-01.s3db")));
        QCOMPARE(DataTest::DumpContent(copy), original);
        QCOMPARE(DataTest::IntegrityCheck(copy), QByteArray("ok"));

        // A day's work after the copy, through the program's own connection.
        const auto facade = DataTest::OpenFacade(m_book);
        TPaymentHistoryItem payment;
        payment.PaymentDate = DateTime::FromYMD(2026, 12, 2, 11, 0);
        payment.PaymentSum = Money::FromUnits(15000000);
        facade->InsertPayment(1, payment);
        facade->Connection().Execute(QStringLiteral("DELETE FROM PaymentSchedule WHERE CreditID = 2"));
        const QByteArray worked = DataTest::DumpContent(m_book);
        QVERIFY(worked != original);

        const QString aside = TLoanBookBackups::Restore(facade->Connection(), copy, RestoreMoment);
        QCOMPARE(aside, Dir().filePath(QStringLiteral("legacy-loanbook до восстановления 2026-12-11 09-30-05.s3db")));
        QCOMPARE(DataTest::DumpContent(m_book), original);
        QCOMPARE(DataTest::DumpSchema(m_book), schema);
        QCOMPARE(DataTest::DumpContent(aside), worked);
        // The connection goes on working on the restored book.
        TPaymentHistoryItem last;
        QVERIFY(facade->LoadLastPayment(1, last));
        QVERIFY(last.PaymentDate != payment.PaymentDate);
        QCOMPARE(DataTest::IntegrityCheck(m_book), QByteArray("ok"));
    }

    void TheTenMostRecentDaysOfEachBookAreKept()
    {
        const QString other = DataTest::NewLoanBook(Dir(), QStringLiteral("other.s3db"));
        TLoanBookBackups backups(m_folder);
        backups.Make(other, December1);
        // Files that only look alike are not the book's copies.
        QDir().mkpath(m_folder);
        const QString stranger = QDir(m_folder).filePath(QStringLiteral("legacy-loanbook 2026-11-01 старая.s3db"));
        QFile::copy(m_book, stranger);
        for (int day = 0; day < 12; ++day)
            backups.Make(m_book, December1.addDays(day));

        const QList<TLoanBookBackup> kept = backups.List(m_book);
        QCOMPARE(Days(kept), QStringList({"2026-12-12", "2026-12-11", "2026-12-10", "2026-12-09", "2026-12-08",
                                          "2026-12-07", "2026-12-06", "2026-12-05", "2026-12-04", "2026-12-03"}));
        QVERIFY(!backups.Has(m_book, December1.addDays(1)));
        QCOMPARE(Days(backups.List(other)), QStringList({"2026-12-01"}));
        QVERIFY(QFileInfo::exists(stranger));
        QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), 12);
    }

    void ACopyOfTheSameDayIsReplaced()
    {
        TLoanBookBackups backups(m_folder);
        backups.Make(m_book, December1);
        DataTest::RawExec(m_book, "UPDATE CompanyInfo SET CompanyName = 'Later'");
        const QString copy = backups.Make(m_book, December1);
        QCOMPARE(DataTest::RawValue(copy, "SELECT CompanyName FROM CompanyInfo"), QByteArray("Later"));
        QCOMPARE(backups.List(m_book).size(), 1);
    }

    void AStoppedCopyLeavesNothing()
    {
        TLoanBookBackups backups(m_folder);
        const std::atomic_bool stop { true };
        QCOMPARE(backups.Make(m_book, December1, &stop), QString());
        QVERIFY(QDir(m_folder).entryList(QDir::Files).isEmpty());
    }

    void AMissingBookIsAnErrorAndLeavesNothing()
    {
        TLoanBookBackups backups(m_folder);
        QVERIFY_THROWS_EXCEPTION(EDatabaseException, backups.Make(Dir().filePath(QStringLiteral("gone.s3db")), December1));
        QVERIFY(QDir(m_folder).entryList(QDir::Files).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLoanBookBackups)
#include "TestLoanBookBackups.moc"
