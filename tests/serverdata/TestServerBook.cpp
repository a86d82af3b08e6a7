// One loan book, two engines: a demo book in a file and its copy on a
// throwaway PostgreSQL cluster give the same records, lists, documents and
// totals, the same overdue indexing leaves them alike, and a call on a row
// that is not there is refused alike.

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

#include <functional>
#include <typeinfo>

// A call on a row that is not there, the same on either engine.
using TRefused = std::function<void(ILoanBookStore&)>;
Q_DECLARE_METATYPE(TRefused)

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

    // A file of an earlier installation (days in ten characters, values as
    // its program wrote them): its server copy gives the same, indexed or not.
    void aLegacyBooksCopyGivesWhatTheFileGives_data()
    {
        QTest::addColumn<QDate>("indexedOn");
        QTest::newRow("as copied") << QDate();
        QTest::newRow("indexed") << QDate(2009, 5, 10);
    }
    void aLegacyBooksCopyGivesWhatTheFileGives()
    {
        QFETCH(QDate, indexedOn);
        QTemporaryDir dir;
        const QString path = DataTest::CopyFixture(dir, QStringLiteral("legacy-loanbook.s3db"));
        const QString address = m_cluster.NewDatabase();
        CopyLoanBook(path, address);
        const auto file = DataTest::OpenFacade(path);
        TServerDataAccessFacade server(address);
        if (indexedOn.isValid()) {
            const TClockPin clock(DateTime(indexedOn, QTime(8, 0)));
            file->UpdateSchedulesDelay();
            server.UpdateSchedulesDelay();
        }
        const BookSnapshot::TKeys keys = BookSnapshot::Keys(*file);
        QVERIFY(!keys.Payments.isEmpty());
        const QString difference =
            BookSnapshot::Difference(BookSnapshot::Take(*file, keys), BookSnapshot::Take(server, keys));
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

    void missingRowsAreRefusedAlike_data()
    {
        QTest::addColumn<TRefused>("operation");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("load a debtor") << TRefused([](ILoanBookStore& book) {
            TDebtor debtor;
            debtor.SetID(99999);
            book.LoadDebtor(debtor);
        }) << QString::fromLatin1(typeid(EDebtorNotExistsException).name());
        QTest::newRow("a credit for nobody") << TRefused([](ILoanBookStore& book) {
            TCredit credit;
            book.InsertCredit(99999, credit);
        }) << QString::fromLatin1(typeid(EDebtorNotExistsException).name());
        QTest::newRow("change a credit") << TRefused([](ILoanBookStore& book) {
            TCredit credit;
            credit.SetID(99999);
            book.UpdateCredit(credit);
        }) << QString::fromLatin1(typeid(ECreditNotExistsException).name());
        QTest::newRow("a payment on nothing") << TRefused([](ILoanBookStore& book) {
            TPaymentHistoryItem payment;
            book.InsertPayment(99999, payment);
        }) << QString::fromLatin1(typeid(ECreditNotExistsException).name());
        QTest::newRow("an order for nothing") << TRefused([](ILoanBookStore& book) {
            book.OpenPaymentOrderQuery(99999);
        }) << QString::fromLatin1(typeid(EPaymentNotExistsException).name());
    }
    void missingRowsAreRefusedAlike()
    {
        QFETCH(TRefused, operation);
        QFETCH(QString, refusal);
        QStringList messages;
        for (ILoanBookStore* book : { static_cast<ILoanBookStore*>(m_file.get()),
                                      static_cast<ILoanBookStore*>(m_server.get()) }) {
            try {
                operation(*book);
                QFAIL("not refused");
            } catch (const Exception& error) {
                QCOMPARE(QString::fromLatin1(typeid(error).name()), refusal);
                messages << error.Message();
            }
        }
        QCOMPARE(messages.last(), messages.first());
    }
};

QTEST_GUILESS_MAIN(TestServerBook)
#include "TestServerBook.moc"
