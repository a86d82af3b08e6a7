// Several clerks on one server book at once, each with a connection and a loan
// book of its own, paying (with and without a rebuilt schedule), granting
// respites, cancelling payments and replacing credits on the same few credits,
// each deciding on what it read itself a moment before. A decision the book no
// longer matches is refused; nothing else may fail. Afterwards the book holds
// exactly the payments the clerks were told were stored, with every total in
// order, cash-order numbers unique and gapless, and no lock or open
// transaction left behind. The clerks log in with the rights the
// administrator gives them: enough for all of that, and not for changing the
// book's tables.

#include "ClerkRights.h"

#include "core/LoanBook.h"
#include "domain/BookChangedException.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentRules.h"
#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "postgres/ServerSchema.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "support/ClockPin.h"
#include "support/ThrowawayCluster.h"

#include <QTest>

#include <algorithm>
#include <latch>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace {

const DateTime Today(QDate(2026, 3, 10), QTime(10, 0));

enum class TAction { Pay, PayAndRebuild, Respite, CancelPayment, ReplaceCredit };

// How often a clerk does what, out of their sum.
const std::vector<std::pair<TAction, int>> Mix = {
    { TAction::Pay, 10 }, { TAction::PayAndRebuild, 5 }, { TAction::Respite, 4 },
    { TAction::CancelPayment, 4 }, { TAction::ReplaceCredit, 1 },
};

QString ActionName(TAction action)
{
    switch (action) {
    case TAction::Pay: return QStringLiteral("payment");
    case TAction::PayAndRebuild: return QStringLiteral("payment with rebuild");
    case TAction::Respite: return QStringLiteral("respite");
    case TAction::CancelPayment: return QStringLiteral("cancelled payment");
    case TAction::ReplaceCredit: return QStringLiteral("credit replaced");
    }
    return {};
}

// The server's text form of numeric(19,4).
QString Numeric(Money money)
{
    const std::int64_t units = money.Units();
    return QStringLiteral("%1%2.%3")
        .arg(units < 0 ? QStringLiteral("-") : QString())
        .arg(std::abs(units) / Money::UnitsPerRouble)
        .arg(std::abs(units) % Money::UnitsPerRouble, 4, 10, QLatin1Char('0'));
}

Money Roubles(std::uint32_t roubles)
{
    return Money::FromUnits(std::int64_t(roubles) * Money::UnitsPerRouble);
}

// Whole kopecks, never above the amount.
Money KopecksIn(Money amount)
{
    return Money::FromUnits(amount.Units() - amount.Units() % Money::UnitsPerKopeck);
}

TCredit Terms(int serial)
{
    TCredit credit;
    credit.ContractNumber = QStringLiteral("К-%1").arg(serial);
    credit.ContractDate = DateTime(QDate(2025, 10 + serial % 3, 1 + serial % 20), QTime(11, 0));
    credit.CreditSize = Roubles(20000 + 5000 * std::uint32_t(serial % 4));
    credit.CreditPeriod = 12 + 6 * (serial % 3);
    credit.YearPercent = 12 + serial % 10;
    credit.PaymentDay = 5 + serial % 20;
    return credit;
}

// A payment as the book's check below reads it back.
QString PaymentText(const TPaymentHistoryItem& payment, int creditID)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(payment.GetID())
        .arg(creditID)
        .arg(Numeric(payment.PaymentSum), Numeric(payment.AheadSum));
}

// What one clerk was told.
struct TClerkLog
{
    std::vector<std::pair<int, QString>> Recorded; // the cash order's number and the payment as stored
    std::vector<int> Cancelled;                    // cash orders taken back
    std::vector<int> DeletedCredits;
    int Done = 0;
    int Refused = 0;
    bool Indexed = false;
    QStringList Failures; // anything but a refused decision
};

// One clerk's bounded round on the debtors' credits.
class TClerk
{
public:
    TClerk(ILoanBookStore& store, std::uint32_t seed, std::vector<int> debtorIDs, TClerkLog& log)
        : m_store(store)
        , m_book(store)
        , m_random(seed)
        , m_debtorIDs(std::move(debtorIDs))
        , m_log(log)
    {
    }

    void Work(int operations)
    {
        int weights = 0;
        for (const auto& [action, weight] : Mix)
            weights += weight;
        for (int i = 0; i < operations; ++i) {
            int draw = int(m_random() % std::uint32_t(weights));
            TAction action = Mix.front().first;
            for (const auto& [candidate, weight] : Mix) {
                if (draw < weight) {
                    action = candidate;
                    break;
                }
                draw -= weight;
            }
            Attempt(action);
        }
    }

private:
    void Attempt(TAction action)
    {
        try {
            if (Act(action))
                ++m_log.Done;
        } catch (const EBookChangedException&) {
            ++m_log.Refused;
        } catch (const Exception& e) {
            // Another clerk's payment came after the one seen: it is no longer the one to take back.
            if (action == TAction::CancelPayment && e.Message() == PaymentRules::NoLongerLatestMessage()) {
                ++m_log.Refused;
                return;
            }
            m_log.Failures << ActionName(action) + QStringLiteral(": ") + e.Message();
        } catch (const std::exception& e) {
            m_log.Failures << ActionName(action) + QStringLiteral(": ") + QString::fromUtf8(e.what());
        }
    }

    // A credit of a debtor, as the clerk finds it in the credits list.
    std::optional<TCreditPicture> Listed()
    {
        const int debtorID = m_debtorIDs[m_random() % m_debtorIDs.size()];
        TCreditsList credits;
        m_store.LoadDebtorCredits(debtorID, credits);
        if (credits.Count() == 0)
            return std::nullopt;
        return TCreditPicture::Of(debtorID, *credits.Items(int(m_random() % std::uint32_t(credits.Count()))));
    }

    // False when the credit listed gave nothing to do.
    bool Act(TAction action)
    {
        const std::optional<TCreditPicture> listed = Listed();
        if (!listed)
            return false;
        if (action == TAction::ReplaceCredit) {
            m_book.DeleteCredit(*listed);
            m_log.DeletedCredits.push_back(listed->CreditID);
            TCredit credit = Terms(int(m_random() % 1000));
            TPaymentSchedule schedule;
            m_book.AddCredit(listed->DebtorID, credit, schedule);
            return true;
        }
        const TPaymentCase seen = m_book.OpenPayment(*listed);
        switch (action) {
        case TAction::Pay:
        case TAction::PayAndRebuild: return Pay(seen, action == TAction::PayAndRebuild);
        case TAction::Respite: return Respite(seen);
        case TAction::CancelPayment: return Cancel(seen);
        case TAction::ReplaceCredit: break;
        }
        return false;
    }

    bool Pay(const TPaymentCase& seen, bool rebuild)
    {
        const Money debt = KopecksIn(seen.Credit.RemainingDebt());
        Money amount = Roubles(1 + m_random() % 3000);
        if (rebuild) {
            // What is due now and some roubles ahead of it; a credit almost repaid is simply paid.
            const Money due = seen.DueRow.MustBePaymentSum - seen.Credit.PaymentsSum;
            amount = KopecksIn(std::max(due, Money()) + Money::FromUnits(Money::UnitsPerKopeck - 1)) + Roubles(100 + m_random() % 1500);
            rebuild = amount + Roubles(1000) < debt;
        }
        amount = std::min(amount, debt);
        if (amount <= Money())
            return false;
        const TPaymentHistoryItem told = m_book.RecordPayment(seen.Picture, amount, rebuild);
        m_log.Recorded.emplace_back(told.GetID(), PaymentText(told, seen.Picture.CreditID));
        return true;
    }

    bool Respite(const TPaymentCase& seen)
    {
        // A coming instalment, not the last.
        std::vector<int> rows;
        for (int i = 0; i + 1 < seen.Schedule.Count(); ++i)
            if (seen.Schedule.Items(i)->PaymentDate.Date() >= Clock::Today().Date())
                rows.push_back(seen.Schedule.Items(i)->GetID());
        if (rows.empty())
            return false;
        m_book.GrantRespite(seen.Picture, rows[m_random() % rows.size()]);
        return true;
    }

    bool Cancel(const TPaymentCase& seen)
    {
        // A payment that rebuilt the schedule cannot be taken back, and the clerk sees so.
        if (!seen.LastPayment || seen.LastPayment->AheadSum != Money())
            return false;
        m_book.CancelLatestPayment(seen.Picture.CreditID, seen.LastPayment->GetID());
        m_log.Cancelled.push_back(seen.LastPayment->GetID());
        return true;
    }

    ILoanBookStore& m_store;
    TLoanBook m_book;
    std::mt19937 m_random;
    std::vector<int> m_debtorIDs;
    TClerkLog& m_log;
};

QStringList Column(TPgConnection& connection, const QString& sql)
{
    const TPgResult result = connection.Execute(sql);
    QStringList values;
    for (int row = 0; row < result.RowCount(); ++row)
        values << result.Text(row, 0);
    return values;
}

QString Value(TPgConnection& connection, const QString& sql)
{
    return Column(connection, sql).value(0);
}

}

class TestSeveralClerks : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;

    int m_books = 0;

    // The clerks' login, a member of the clerks' role.
    static QString Clerk() { return QStringLiteral("ivanova"); }

    // A new book, made by its owner, with the rights the administrator gives
    // the clerks (README): the book's rows, nothing more. Its database.
    QString NewClerksBook()
    {
        const QString name = QStringLiteral("clerks%1").arg(++m_books);
        TPgConnection(m_cluster.Address(QStringLiteral("postgres"))).Execute(QStringLiteral("CREATE DATABASE ") + name);
        TPgConnection owner(m_cluster.Address(name));
        CreateServerBook(owner);
        owner.ExecuteScript(ClerkRightsScript(QStringLiteral("varnel_clerks")));
        return name;
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        TPgConnection server(m_cluster.Address(QStringLiteral("postgres")));
        server.ExecuteScript(
            QStringLiteral("CREATE ROLE varnel_clerks NOLOGIN; CREATE ROLE %1 LOGIN IN ROLE varnel_clerks;").arg(Clerk()));
    }

    void cleanupTestCase() { m_cluster.Stop(); }

    void clerksCannotReshapeTheBook_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("new table") << QStringLiteral("CREATE TABLE Notes (Note text)");
        QTest::newRow("table dropped") << QStringLiteral("DROP TABLE PaymentHistory");
        QTest::newRow("column added") << QStringLiteral("ALTER TABLE Credits ADD COLUMN Note text");
        QTest::newRow("trigger dropped") << QStringLiteral("DROP TRIGGER PaymentsSum ON PaymentHistory");
        QTest::newRow("table emptied") << QStringLiteral("TRUNCATE PaymentHistory");
        QTest::newRow("version changed") << QStringLiteral("UPDATE QDBVersion SET MajorVersion = 9");
        QTest::newRow("counter's row deleted") << QStringLiteral("DELETE FROM PaymentKeys");
    }
    void clerksCannotReshapeTheBook()
    {
        QFETCH(QString, statement);
        TPgConnection clerk(m_cluster.Address(NewClerksBook(), Clerk()));
        QVERIFY_THROWS_EXCEPTION(EServerException, clerk.Execute(statement));
    }

    void clerksOnSharedCredits_data()
    {
        QTest::addColumn<int>("clerks");
        QTest::addColumn<int>("operations");
        QTest::addColumn<int>("debtors");
        QTest::addColumn<int>("seed");
        QTest::newRow("4 clerks, 40 operations each, 12 credits") << 4 << 40 << 6 << 1;
        QTest::newRow("8 clerks, 20 operations each, 2 credits") << 8 << 20 << 1 << 2;
    }
    void clerksOnSharedCredits()
    {
        QFETCH(int, clerks);
        QFETCH(int, operations);
        QFETCH(int, debtors);
        QFETCH(int, seed);
        const TClockPin clock(Today);
        const QString database = NewClerksBook();
        const QString address = m_cluster.Address(database, Clerk());
        // The book looked at as the server's administrator.
        TPgConnection check(m_cluster.Address(database));

        std::vector<int> debtorIDs;
        {
            TServerDataAccessFacade store(address);
            TLoanBook book(store);
            for (int d = 0; d < debtors; ++d) {
                TDebtor debtor;
                debtor.Surname = QStringLiteral("Клиентова-%1").arg(d);
                debtor.SetName(QStringLiteral("Анна"));
                book.AddDebtor(debtor);
                debtorIDs.push_back(debtor.GetID());
                for (int c = 0; c < 2; ++c) {
                    TCredit credit = Terms(2 * d + c);
                    TPaymentSchedule schedule;
                    book.AddCredit(debtor.GetID(), credit, schedule);
                }
            }
        }

        std::vector<TClerkLog> logs(static_cast<std::size_t>(clerks));
        QString locksLeft;
        QString transactionsLeft;
        int clerksConnected = 0;
        {
            // Every clerk connects, then all start at once; they stay connected
            // until the book has been looked at for locks and open transactions.
            std::latch connected(clerks);
            std::latch finished(clerks);
            std::latch looked(1);
            std::vector<std::thread> threads;
            for (int c = 0; c < clerks; ++c) {
                threads.emplace_back([&, c] {
                    TClerkLog& log = logs[std::size_t(c)];
                    std::unique_ptr<TServerDataAccessFacade> store;
                    try {
                        store = std::make_unique<TServerDataAccessFacade>(address);
                    } catch (const Exception& e) {
                        log.Failures << e.Message();
                    }
                    connected.arrive_and_wait();
                    if (store) {
                        try {
                            // Every program indexes the book on start; one of them does the work.
                            log.Indexed = store->UpdateSchedulesDelayWhenDue(24);
                        } catch (const Exception& e) {
                            log.Failures << QStringLiteral("indexing: ") + e.Message();
                        }
                        TClerk(*store, std::uint32_t(100 * seed + c), debtorIDs, log).Work(operations);
                    }
                    finished.count_down();
                    looked.wait();
                });
            }
            finished.wait();
            // Other client connections' locks on this book (a server's own
            // processes may be vacuuming meanwhile; an earlier test's
            // connections to other books may still be closing). An idle clerk
            // reads the last commits' notices in a moment's transaction of its
            // own: a lock left is one that stays.
            const auto lookForLocks = [&] {
                locksLeft = Column(check, QStringLiteral(
                    "SELECT l.locktype || ' ' || l.mode || ' ' || coalesce(l.relation::regclass::text, '') "
                    "FROM pg_locks l JOIN pg_stat_activity a USING (pid) WHERE a.backend_type = 'client backend' "
                    "AND a.datname = current_database() AND l.pid <> pg_backend_pid()")).join(QStringLiteral("; "));
                return locksLeft.isEmpty();
            };
            for (int look = 0; look < 100 && !lookForLocks(); ++look)
                QTest::qWait(50);
            transactionsLeft = Column(check, QStringLiteral(
                "SELECT state || ': ' || query FROM pg_stat_activity WHERE datname = current_database() "
                "AND backend_type = 'client backend' AND pid <> pg_backend_pid() AND state <> 'idle'")).join(QStringLiteral("; "));
            clerksConnected = Value(check, QStringLiteral(
                "SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() "
                "AND backend_type = 'client backend' AND pid <> pg_backend_pid()")).toInt();
            looked.count_down();
            for (std::thread& thread : threads)
                thread.join();
        }

        QStringList failures;
        int indexed = 0;
        int done = 0;
        std::set<int> cancelled;
        std::set<int> deletedCredits;
        std::vector<std::pair<int, QString>> recorded;
        for (const TClerkLog& log : logs) {
            failures << log.Failures;
            indexed += log.Indexed ? 1 : 0;
            done += log.Done;
            cancelled.insert(log.Cancelled.begin(), log.Cancelled.end());
            deletedCredits.insert(log.DeletedCredits.begin(), log.DeletedCredits.end());
            recorded.insert(recorded.end(), log.Recorded.begin(), log.Recorded.end());
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        QVERIFY2(locksLeft.isEmpty(), qPrintable(locksLeft));
        QVERIFY2(transactionsLeft.isEmpty(), qPrintable(transactionsLeft));
        QVERIFY(clerksConnected >= clerks);
        QCOMPARE(indexed, 1);
        QVERIFY(done > 0);
        QVERIFY(!recorded.empty());

        // Every cash order a clerk was given, once, one after the other from the first.
        std::sort(recorded.begin(), recorded.end());
        for (std::size_t i = 0; i < recorded.size(); ++i)
            QCOMPARE(recorded[i].first, recorded.front().first + int(i));
        // In the book: exactly what the clerks were told was stored, neither a
        // refused payment nor a lost one, less those taken back or deleted with their credit.
        QStringList expected;
        for (const auto& [order, payment] : recorded)
            if (!cancelled.count(order) && !deletedCredits.count(payment.section(QLatin1Char(' '), 1, 1).toInt()))
                expected << payment;
        QCOMPARE(Column(check, QStringLiteral("SELECT PaymentID || ' ' || CreditID || ' ' || PaymentSum || ' ' || "
                                              "coalesce(AheadSum, 0)::numeric(19,4) FROM PaymentHistory ORDER BY PaymentID")),
                 expected);
        QCOMPARE(Value(check, QStringLiteral("SELECT count(*) FROM PaymentHistory WHERE OrderNumber IS DISTINCT FROM PaymentID")),
                 QStringLiteral("0"));
        // The totals every operation keeps.
        QCOMPARE(Value(check, QStringLiteral(
                     "SELECT count(*) FROM Credits c WHERE c.PaymentsSum IS DISTINCT FROM "
                     "(SELECT coalesce(sum(PaymentSum), 0) FROM PaymentHistory p WHERE p.CreditID = c.CreditID)")),
                 QStringLiteral("0"));
        QCOMPARE(Value(check, QStringLiteral(
                     "SELECT count(*) FROM Credits c WHERE c.FullMustBePaymentSum IS DISTINCT FROM "
                     "(SELECT sum(Annua) FROM PaymentSchedule s WHERE s.CreditID = c.CreditID)")),
                 QStringLiteral("0"));
        QCOMPARE(Value(check, QStringLiteral("SELECT count(*) FROM Credits")), QString::number(2 * debtors));
    }
};

QTEST_GUILESS_MAIN(TestSeveralClerks)
#include "TestSeveralClerks.moc"
