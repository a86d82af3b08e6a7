// One loan book, two engines: a demo book in a file and its copy on a
// throwaway PostgreSQL cluster give the same records, lists, documents and
// totals, and the same overdue indexing leaves them alike.

#include "BookSnapshot.h"

#include "data/DataAccessFacade.h"
#include "data/DataExceptions.h"
#include "demo/DemoLoanBook.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/ThrowawayCluster.h"
#include "tool/BookCopy.h"

#include <QTest>

class TestServerBook : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;
    QTemporaryDir m_dir;
    std::unique_ptr<TDataAccessFacade> m_file;
    std::unique_ptr<TServerDataAccessFacade> m_server;

    QString Difference()
    {
        const BookSnapshot::TKeys keys = BookSnapshot::Keys(*m_file);
        return BookSnapshot::Difference(BookSnapshot::Take(*m_file, keys), BookSnapshot::Take(*m_server, keys));
    }

private slots:
    void initTestCase()
    {
        DataTest::PinLocale();
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const TClockPin clock(DateTime::FromYMD(2026, 3, 1, 12, 0));
        const QString path = m_dir.filePath(QStringLiteral("demo.s3db"));
        TDemoLoanBook(12, 7).Create(path);
        const QString address = m_cluster.NewDatabase();
        CopyLoanBook(path, address);
        m_file = DataTest::OpenFacade(path);
        m_server = std::make_unique<TServerDataAccessFacade>(address);
    }

    void cleanupTestCase()
    {
        m_server.reset();
        m_cluster.Stop();
    }

    void theCopyGivesWhatTheFileGives()
    {
        QVERIFY(BookSnapshot::Keys(*m_file).Payments.size() > 10);
        const QString difference = Difference();
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void namesAreFilteredAlike_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("defaulters");
        const auto list = m_file->OpenDebtorsListQuery();
        const QString surname = list->Text(3, QStringLiteral("Surname"));
        const QString name = list->Text(3, QStringLiteral("Name"));
        QTest::newRow("no words, everyone") << QString() << false;
        QTest::newRow("no words, defaulters") << QString() << true;
        QTest::newRow("surname's beginning in small letters") << surname.left(2).toLower() << false;
        QTest::newRow("surname's beginning in capitals, defaulters") << surname.left(1).toUpper() << true;
        QTest::newRow("surname and name") << surname + QStringLiteral("  ") + name.left(1).toLower() << false;
        QTest::newRow("ё typed for е") << surname.left(3).replace(u'е', u'ё').replace(u'Е', u'Ё') << false;
        QTest::newRow("quotes and SQL") << QStringLiteral("О'Б%_\\'); DROP TABLE Debtors; --") << false;
        QTest::newRow("nobody") << QStringLiteral("Щщщ") << false;
    }
    void namesAreFilteredAlike()
    {
        QFETCH(QString, typed);
        QFETCH(bool, defaulters);
        const auto filter = [&](auto& book, TResultSet& list) {
            TFilterCondition condition = book.DebtorsNameCondition(typed);
            if (defaulters) {
                const TFilterCondition state = book.ProbableDefaultersCondition();
                condition.Text = condition.Text.isEmpty() ? state.Text : condition.Text + QStringLiteral(" AND ") + state.Text;
                condition.Params += state.Params;
            }
            list.SetFilter(condition.Text, condition.Params);
            list.SetFiltered(true);
            list.Open();
        };
        const auto fileList = m_file->OpenDebtorsListQuery();
        const auto serverList = m_server->OpenDebtorsListQuery();
        filter(*m_file, *fileList);
        filter(*m_server, *serverList);
        const QString difference = EngineComparison::Difference(*fileList, *serverList);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        if (typed.startsWith(u'О'))
            QCOMPARE(serverList->RowCount(), 0);
    }

    void indexingMarksAlike_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::newRow("the next day") << QDate(2026, 3, 2);
        QTest::newRow("two months on") << QDate(2026, 5, 12);
        QTest::newRow("years on") << QDate(2029, 1, 1);
        QTest::newRow("back before the payments") << QDate(2025, 1, 1);
    }
    void indexingMarksAlike()
    {
        QFETCH(QDate, today);
        const TClockPin clock(DateTime(today).AddDays(0));
        m_file->UpdateSchedulesDelay();
        m_server->UpdateSchedulesDelay();
        const QString difference = Difference();
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

};

QTEST_GUILESS_MAIN(TestServerBook)
#include "TestServerBook.moc"
