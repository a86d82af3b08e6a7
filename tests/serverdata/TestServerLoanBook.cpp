// The loan book's operations on both engines: each operation, done by the
// core on a new file book and on a new server book, leaves the two alike in
// every record, list and total; a decision another clerk (a connection of his
// own) made stale is refused on the server too, writing nothing.

#include "BookSnapshot.h"

#include "core/LoanBook.h"
#include "domain/BookChangedException.h"
#include "postgres/PgConnection.h"
#include "postgres/ServerSchema.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/SampleRecords.h"
#include "support/ThrowawayCluster.h"

#include <QTest>

#include <functional>

namespace {

Money M(const char* text)
{
    return Money::FromText(QString::fromLatin1(text));
}

// One book as two programs see it: ours and another clerk's, each with a
// store of its own, with one debtor and the worked example's credit.
struct TClerks
{
    ILoanBookStore& oursStore;
    ILoanBookStore& otherStore;
    TLoanBook ours { oursStore };
    TLoanBook other { otherStore };
    TDebtor debtor;
    TCredit credit = Sample::WorkedExampleCredit();
    TPaymentSchedule schedule;
    TCreditPicture pictureSeen;

    TClerks(ILoanBookStore& mine, ILoanBookStore& theirs)
        : oursStore(mine)
        , otherStore(theirs)
    {
        debtor.Surname = QStringLiteral("Аксёнова");
        debtor.SetName(QStringLiteral("Ирина"));
        debtor.Telephone = QStringLiteral("+7 (912) 000-00-00");
        ours.AddDebtor(debtor);
        credit.ContractNumber = QStringLiteral("К-1");
        ours.AddCredit(debtor.GetID(), credit, schedule);
    }
    TCreditPicture Seen() { return ours.SeeCredit(credit.GetID()); }
    BookSnapshot::TParts Snapshot() { return BookSnapshot::Take(oursStore, BookSnapshot::Keys(oursStore)); }
};

using TStep = std::function<void(TClerks&)>;

}

Q_DECLARE_METATYPE(TStep)

class TestServerLoanBook : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;

    // A new, empty book on each engine, each opened by two programs.
    struct TBooks
    {
        DataTest::TBook file;
        std::unique_ptr<TDataAccessFacade> otherFile = DataTest::OpenFacade(file.path);
        std::unique_ptr<TServerDataAccessFacade> server;
        std::unique_ptr<TServerDataAccessFacade> otherServer;

        explicit TBooks(const QString& address)
        {
            TPgConnection connection(address);
            CreateServerBook(connection);
            server = std::make_unique<TServerDataAccessFacade>(address);
            otherServer = std::make_unique<TServerDataAccessFacade>(address);
        }
    };

private slots:
    void initTestCase()
    {
        DataTest::PinLocale();
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void cleanupTestCase() { m_cluster.Stop(); }

    void operationsLeaveBothEnginesAlike_data()
    {
        QTest::addColumn<TStep>("operation");
        QTest::newRow("new credit with its schedule") << TStep([](TClerks&) {});
        QTest::newRow("payment kept for the next instalments")
            << TStep([](TClerks& t) { t.ours.RecordPayment(t.Seen(), M("2000"), false); });
        QTest::newRow("payment that rebuilds the schedule")
            << TStep([](TClerks& t) { t.ours.RecordPayment(t.Seen(), M("3776.98"), true); });
        QTest::newRow("respite") << TStep([](TClerks& t) { t.ours.GrantRespite(t.Seen(), t.schedule.Items(3)->GetID()); });
        QTest::newRow("latest payment cancelled, its number not given again") << TStep([](TClerks& t) {
            t.ours.RecordPayment(t.Seen(), M("900"), false);
            const TPaymentHistoryItem second = t.ours.RecordPayment(t.Seen(), M("100"), false);
            t.ours.CancelLatestPayment(t.credit.GetID(), second.GetID());
            t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("50.5"), false);
        });
        QTest::newRow("credit deleted with its rows") << TStep([](TClerks& t) {
            t.ours.RecordPayment(t.Seen(), M("900"), false);
            t.ours.DeleteCredit(t.Seen());
        });
        QTest::newRow("debtor deleted with everything of his, a new one after") << TStep([](TClerks& t) {
            TCredit second = Sample::WorkedExampleCredit();
            second.ContractNumber = QStringLiteral("К-2");
            TPaymentSchedule rows;
            t.ours.AddCredit(t.debtor.GetID(), second, rows);
            t.ours.RecordPayment(t.Seen(), M("900"), false);
            t.ours.DeleteDebtor(t.debtor);
            TDebtor next;
            next.Surname = QStringLiteral("Борисов");
            next.SetName(QStringLiteral("Антон"));
            t.other.AddDebtor(next);
        });
        QTest::newRow("debtor's details changed") << TStep([](TClerks& t) {
            TDebtor changed = t.debtor;
            changed.Telephone = QStringLiteral("+7 (912) 111-11-11");
            changed.Flat = QString();
            t.ours.ChangeDebtor(t.debtor, changed);
        });
        QTest::newRow("names listed in the file's order") << TStep([](TClerks& t) {
            // Namesakes without a patronymic, letter cases, Ё and Е, Latin letters.
            const QStringList names { QStringLiteral("Иванова Анна Петровна"), QStringLiteral("иванова Анна"),
                                      QStringLiteral("Иванова Анна"), QStringLiteral("Ёлкина Ирина"),
                                      QStringLiteral("Елкина Ирина"), QStringLiteral("Елкина-Ёж ирина"),
                                      QStringLiteral("Smith John") };
            for (const QString& fullName : names) {
                const QStringList name = fullName.split(u' ');
                TDebtor debtor;
                debtor.Surname = name[0];
                debtor.SetName(name[1]);
                debtor.PatronymicName = name.value(2);
                t.other.AddDebtor(debtor);
            }
        });
        QTest::newRow("two clerks pay the same credit") << TStep([](TClerks& t) {
            const TCreditPicture ourLook = t.Seen();
            t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("500"), false);
            t.ours.RecordPayment(ourLook, M("700"), false);
        });
    }
    void operationsLeaveBothEnginesAlike()
    {
        QFETCH(TStep, operation);
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TBooks books(m_cluster.NewDatabase());
        TClerks onFile(*books.file.facade, *books.otherFile);
        TClerks onServer(*books.server, *books.otherServer);
        operation(onFile);
        operation(onServer);
        const QString difference = BookSnapshot::Difference(onFile.Snapshot(), onServer.Snapshot());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(books.server->Connection().Execute(QStringLiteral(
                     "SELECT count(*) FROM Credits c WHERE PaymentsSum <> (SELECT coalesce(sum(PaymentSum), 0) "
                     "FROM PaymentHistory p WHERE p.CreditID = c.CreditID) OR FullMustBePaymentSum <> (SELECT "
                     "coalesce(sum(Annua), 0) FROM PaymentSchedule s WHERE s.CreditID = c.CreditID)")).Integer(0, 0),
                 0);
    }

    // Another clerk changes the book after ours looked and before the
    // decision is stored: refused, and nothing of it is written.
    void staleDecisionWritesNothing_data()
    {
        QTest::addColumn<TStep>("otherClerk");
        QTest::addColumn<TStep>("ourDecision");
        const TStep rebuild = [](TClerks& t) { t.ours.RecordPayment(t.pictureSeen, M("3000"), true); };
        const TStep payWithRebuild = [](TClerks& t) {
            t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("3000"), true);
        };
        const TStep pay = [](TClerks& t) { t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("500"), false); };
        QTest::newRow("both rebuild the same credit") << payWithRebuild << rebuild;
        QTest::newRow("respite after a rebuild elsewhere") << payWithRebuild << TStep([](TClerks& t) {
            t.ours.GrantRespite(t.pictureSeen, t.schedule.Items(5)->GetID());
        });
        QTest::newRow("rebuild after a payment elsewhere") << pay << rebuild;
        QTest::newRow("credit repaid elsewhere")
            << TStep([](TClerks& t) { t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("10661.85"), false); })
            << TStep([](TClerks& t) { t.ours.RecordPayment(t.pictureSeen, M("888.49"), false); });
        QTest::newRow("credit deleted elsewhere")
            << TStep([](TClerks& t) { t.other.DeleteCredit(t.other.SeeCredit(t.credit.GetID())); })
            << TStep([](TClerks& t) { t.ours.RecordPayment(t.pictureSeen, M("100"), false); });
        QTest::newRow("telephone changed elsewhere")
            << TStep([](TClerks& t) {
                   TDebtor changed = t.debtor;
                   changed.Telephone = QStringLiteral("+7 (912) 222-22-22");
                   t.other.ChangeDebtor(t.debtor, changed);
               })
            << TStep([](TClerks& t) {
                   TDebtor changed = t.debtor;
                   changed.Flat = QStringLiteral("12");
                   t.ours.ChangeDebtor(t.debtor, changed);
               });
    }
    void staleDecisionWritesNothing()
    {
        QFETCH(TStep, otherClerk);
        QFETCH(TStep, ourDecision);
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TBooks books(m_cluster.NewDatabase());
        TClerks t(*books.server, *books.otherServer);
        t.pictureSeen = t.Seen();
        otherClerk(t);
        const BookSnapshot::TParts before = t.Snapshot();
        QVERIFY_THROWS_EXCEPTION(EBookChangedException, ourDecision(t));
        const QString difference = BookSnapshot::Difference(before, t.Snapshot());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_GUILESS_MAIN(TestServerLoanBook)
#include "TestServerLoanBook.moc"
