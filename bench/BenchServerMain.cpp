// varnel-bench-server: a server book under the program against the same SQL
// sent bare through libpq, and several clerks paying at once.
//
//   varnel-bench-server [FOLDER] [--server ADDRESS] [--debtors N] [--rounds R] [--only TEXT]
//
// Without --server it starts a throwaway PostgreSQL cluster of its own (as the
// tests do: a temporary folder, a Unix socket, no disk syncs) and removes it at
// the end; with --server it works on that database, which must be empty or hold
// a book this program loaded before. An empty one gets the demo book of
// FOLDER (made there by varnel-bench's rules, reused afterwards) copied in as
// `varnel-tool copy` copies it.
//
// Each operation is first run once through the program with its statements
// recorded (PgStatementRecorder.h); then, R times in turn, the program's call
// and the same statements sent bare on a connection of its own are timed, as
// varnel-bench does. A writing operation works on credits put back as they
// were (CreditsSnapshot.h) before every run on either side, so that both sides
// always meet the same book. The table shows the medians and their ratio
// (program / bare). Then the payment round of 1, 2, 4 and 8 clerks at once.
#include "BenchCommon.h"
#include "BenchOperation.h"
#include "BenchServerClerks.h"
#include "CreditsSnapshot.h"
#include "PgStatementRecorder.h"
#include "support/ThrowawayCluster.h"

#include "core/LoanBook.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScopedClock.h"
#include "postgres/PgConnection.h"
#include "serverdata/ServerDataAccessFacade.h"
#include "sqlite/ResultSet.h"
#include "tool/BookCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <libpq-fe.h>

#include <memory>
#include <stdexcept>

namespace {

// How many of each writing operation one run makes, each on another credit or debtor.
constexpr int Calls = 20;

struct TArguments
{
    QString Folder = QDir::temp().filePath(QStringLiteral("varnel-bench"));
    QString Server;
    int Debtors = 20000;
    int Rounds = 7;
    QString Only;
};

bool ReadArguments(TArguments& arguments)
{
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const bool valueFollows = i + 1 < args.size();
        if (args[i] == QLatin1String("--server") && valueFollows)
            arguments.Server = args[++i];
        else if (args[i] == QLatin1String("--debtors") && valueFollows)
            arguments.Debtors = args[++i].toInt();
        else if (args[i] == QLatin1String("--rounds") && valueFollows)
            arguments.Rounds = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--only") && valueFollows)
            arguments.Only = args[++i];
        else if (!args[i].startsWith(QLatin1String("--")))
            arguments.Folder = args[i];
        else
            return false;
    }
    return true;
}

// The keys the query gives, in its order.
std::vector<int> Keys(TPgConnection& connection, const QString& sql, const TPgParams& params = {})
{
    const TPgResult result = connection.Execute(sql, params);
    std::vector<int> keys;
    for (int row = 0; row < result.RowCount(); ++row)
        keys.push_back(int(result.Integer(row, 0)));
    return keys;
}

qint64 Count(TPgConnection& connection, const QString& table)
{
    return connection.Execute(QStringLiteral("SELECT count(*) FROM ") + table).Integer(0, 0);
}

// The bare side: a plain libpq connection to the same book.
class TBareConnection
{
public:
    explicit TBareConnection(const QString& address)
        : m_connection(PQconnectdb(address.toUtf8().constData()))
    {
        if (PQstatus(m_connection) != CONNECTION_OK)
            throw std::runtime_error(PQerrorMessage(m_connection));
    }
    ~TBareConnection() { PQfinish(m_connection); }
    TBareConnection(const TBareConnection&) = delete;
    TBareConnection& operator=(const TBareConnection&) = delete;

    qint64 Run(const QList<TPgStatement>& statements) { return RunBarePg(m_connection, statements); }

private:
    PGconn* m_connection;
};

TTimes Measure(TBareConnection& bare, const TOperation& operation, int rounds)
{
    if (operation.Prepare)
        operation.Prepare();
    QList<TPgStatement> statements;
    {
        const TPgStatementRecorder recorder;
        operation.Run();
        statements = recorder.Statements();
    }
    const TTimes times = TimeInTurns(operation, rounds, [&] { bare.Run(statements); });
    // The credits as they were, for the operations after it.
    if (operation.Prepare)
        operation.Prepare();
    return times;
}

TDebtor NewDebtor(int serial)
{
    TDebtor debtor;
    debtor.Surname = QStringLiteral("Замерова");
    debtor.SetName(QStringLiteral("Ольга"));
    debtor.PatronymicName = QStringLiteral("Петровна");
    debtor.Telephone = QStringLiteral("+7 (912) 000-%1").arg(serial, 4, 10, QLatin1Char('0'));
    debtor.PassportSeries = QStringLiteral("57 04");
    debtor.PassportNumber = QString::number(100000 + serial);
    debtor.City = QStringLiteral("Пермь");
    debtor.Street = QStringLiteral("ул. Ленина");
    debtor.Building = QString::number(serial % 90 + 1);
    return debtor;
}

TCredit NewCredit(int serial)
{
    TCredit credit;
    credit.ContractNumber = QStringLiteral("З-%1").arg(serial);
    credit.ContractDate = Clock::Now();
    credit.CreditSize = Money::FromText(QStringLiteral("50000"));
    credit.CreditPeriod = 12;
    credit.YearPercent = 18;
    credit.PaymentDay = 10;
    return credit;
}

// The book's operations and queries, each on its own credits of the book.
class TServerOperations
{
public:
    TServerOperations(const QString& address, TServerDataAccessFacade& store)
        : m_address(address)
        , m_store(store)
        , m_book(store)
        , m_look(address)
    {
    }

    std::vector<TOperation> All()
    {
        const auto repeat = [](const std::vector<int>& keys, auto&& call) {
            qint64 read = 0;
            for (const int key : keys)
                read += call(key);
            return read;
        };
        // Credits that owe more than a payment with a rebuild pays, a slice of its own for each operation.
        const QString owing = QStringLiteral(
            "SELECT CreditID FROM Credits WHERE FullMustBePaymentSum - PaymentsSum > 10000 "
            "AND ContractDate > $1::timestamp - interval '6 months' ORDER BY CreditID OFFSET $2 LIMIT $3");
        const QString today = Clock::Today().Date().toString(Qt::ISODate);
        const auto slice = [&](int n) {
            return Keys(m_look, owing, { today, QString::number(n * Calls), QString::number(Calls) });
        };
        const std::vector<int> paid = slice(0);
        const std::vector<int> rebuilt = slice(1);
        const std::vector<int> respited = slice(2);
        const std::vector<int> deleted = slice(3);
        // Credits whose latest payment did not rebuild the schedule.
        const std::vector<int> cancelled = Keys(m_look, QStringLiteral(
            "SELECT CreditID FROM (SELECT DISTINCT ON (CreditID) CreditID, AheadSum FROM PaymentHistory "
            "ORDER BY CreditID, PaymentDate DESC, PaymentID DESC) latest WHERE coalesce(AheadSum, 0) = 0 "
            "ORDER BY CreditID DESC LIMIT %1").arg(Calls));
        const std::vector<int> debtors = Keys(m_look, QStringLiteral("SELECT DebtorID FROM Debtors ORDER BY DebtorID LIMIT %1").arg(Calls));
        // 500 of them, scattered over the book, the same every run.
        const std::vector<int> someDebtors = Keys(m_look, QStringLiteral(
            "SELECT DebtorID FROM Debtors ORDER BY md5(DebtorID::text) LIMIT 500"));
        const std::vector<int> someCredits = Keys(m_look, QStringLiteral(
            "SELECT CreditID FROM Credits ORDER BY md5(CreditID::text) LIMIT 500"));
        const std::vector<int> withPayments = Keys(m_look, QStringLiteral(
            "SELECT PaymentID FROM PaymentHistory ORDER BY PaymentID DESC LIMIT %1").arg(Calls));
        const DateTime busyDay = Clock::Today().AddDays(-1);

        m_snapshot = std::make_unique<TCreditsSnapshot>(m_address, Joined({ paid, rebuilt, respited, deleted, cancelled }));
        const auto restore = [this] { m_snapshot->Restore(); };

        return {
            { QStringLiteral("Добавить должника"), Calls,
              [this] {
                  for (int i = 0; i < Calls; ++i) {
                      TDebtor debtor = NewDebtor(++m_serial);
                      m_book.AddDebtor(debtor);
                  }
                  return qint64(Calls);
              } },
            { QStringLiteral("Добавить кредит (12 строк графика)"), Calls,
              [this, debtors] {
                  for (const int debtorID : debtors) {
                      TCredit credit = NewCredit(++m_serial);
                      TPaymentSchedule schedule;
                      m_book.AddCredit(debtorID, credit, schedule);
                  }
                  return qint64(debtors.size());
              } },
            { QStringLiteral("Платёж"), Calls, [this, paid] { return Pay(paid, false); }, {}, restore },
            { QStringLiteral("Платёж с пересчётом графика"), Calls, [this, rebuilt] { return Pay(rebuilt, true); }, {},
              restore },
            { QStringLiteral("Отсрочка"), Calls, [this, respited] { return Respite(respited); }, {}, restore },
            { QStringLiteral("Отмена платежа"), Calls, [this, cancelled] { return Cancel(cancelled); }, {}, restore },
            { QStringLiteral("Удаление кредита"), Calls,
              [this, deleted] {
                  for (const int creditID : deleted)
                      m_book.DeleteCredit(m_book.SeeCredit(creditID));
                  return qint64(deleted.size());
              },
              {}, restore },
            { QStringLiteral("Список должников: открыть и прочитать"), 1,
              [this] { return ReadAll(*m_store.OpenDebtorsListQuery()); } },
            { QStringLiteral("LoadDebtorCredits"), int(someDebtors.size()),
              [this, someDebtors, repeat] {
                  return repeat(someDebtors, [this](int id) {
                      TCreditsList credits;
                      m_store.LoadDebtorCredits(id, credits);
                      return qint64(credits.Count());
                  });
              } },
            { QStringLiteral("LoadPaymentSchedule"), int(someCredits.size()),
              [this, someCredits, repeat] {
                  return repeat(someCredits, [this](int id) {
                      TPaymentSchedule schedule;
                      m_store.LoadPaymentSchedule(id, schedule);
                      return qint64(schedule.Count());
                  });
              } },
            { QStringLiteral("Выписка должника"), Calls,
              [this, debtors, repeat] {
                  return repeat(debtors, [this](int id) { return ReadAll(*m_store.OpenDebtorStatementQuery(id)); });
              } },
            { QStringLiteral("График выплат"), Calls,
              [this, paid, repeat] {
                  return repeat(paid, [this](int id) { return ReadAll(*m_store.OpenCreditScheduleQuery(id)); });
              } },
            { QStringLiteral("История платежей кредита"), Calls,
              [this, cancelled, repeat] {
                  return repeat(cancelled, [this](int id) { return ReadAll(*m_store.OpenCreditPaymentsQuery(id)); });
              } },
            { QStringLiteral("Приходный ордер"), Calls,
              [this, withPayments, repeat] {
                  return repeat(withPayments, [this](int id) { return ReadAll(*m_store.OpenPaymentOrderQuery(id)); });
              } },
            { QStringLiteral("Должники на дату"), 1,
              [this] { return ReadAll(*m_store.OpenDebtorsForDateQuery(Clock::Today())); } },
            { QStringLiteral("Неплатёжеспособные"), 1,
              [this] { return ReadAll(*m_store.OpenInsolventQuery(Clock::Today())); } },
            { QStringLiteral("Платежи за день"), 1,
              [this, busyDay] { return ReadAll(*m_store.OpenPaymentsForDateQuery(busyDay)); } },
            { QStringLiteral("Статистика"), 1, [this] { return ReadAll(*m_store.OpenStatisticsQuery()); } },
            { QStringLiteral("Прогноз и сумма платежей по месяцам"), 24,
              [this] {
                  qint64 units = 0;
                  for (int month = 1; month <= 12; ++month)
                      units += m_store.GetMonthPaymentForecast(month, Clock::Today().Date().year()).Units()
                          + m_store.GetMonthPaymentsTotal(month, Clock::Today().Date().year()).Units();
                  return units;
              } },
            { QStringLiteral("Индексация просрочек сразу после полной"), 1,
              [this] {
                  m_store.UpdateSchedulesDelay();
                  return qint64(0);
              } },
        };
    }

private:
    static std::vector<int> Joined(const std::vector<std::vector<int>>& lists)
    {
        std::vector<int> all;
        for (const std::vector<int>& list : lists)
            all.insert(all.end(), list.begin(), list.end());
        return all;
    }

    // A payment as the clerk makes it: the credit looked at, the amount decided on it, recorded.
    qint64 Pay(const std::vector<int>& credits, bool rebuild)
    {
        for (const int creditID : credits) {
            const TPaymentCase seen = m_book.OpenPayment(m_book.SeeCredit(creditID));
            const Money due = std::max(seen.DueRow.MustBePaymentSum - seen.Credit.PaymentsSum, Money());
            const Money amount = rebuild ? Money::FromUnits(due.Units() / 100 * 100 + 5000 * Money::UnitsPerRouble)
                                         : Money::FromText(QStringLiteral("1000"));
            m_book.RecordPayment(seen.Picture, amount, rebuild);
        }
        return qint64(credits.size());
    }

    qint64 Respite(const std::vector<int>& credits)
    {
        for (const int creditID : credits) {
            const TPaymentCase seen = m_book.OpenPayment(m_book.SeeCredit(creditID));
            for (int i = 0; i + 1 < seen.Schedule.Count(); ++i) {
                if (seen.Schedule.Items(i)->PaymentDate.Date() >= Clock::Today().Date()) {
                    m_book.GrantRespite(seen.Picture, seen.Schedule.Items(i)->GetID());
                    break;
                }
            }
        }
        return qint64(credits.size());
    }

    qint64 Cancel(const std::vector<int>& credits)
    {
        for (const int creditID : credits) {
            TPaymentHistoryItem latest;
            QString order;
            if (m_store.LoadLatestPayment(creditID, latest, &order))
                m_book.CancelLatestPayment(creditID, latest.GetID());
        }
        return qint64(credits.size());
    }

    QString m_address;
    TServerDataAccessFacade& m_store;
    TLoanBook m_book;
    TPgConnection m_look;
    std::unique_ptr<TCreditsSnapshot> m_snapshot;
    int m_serial = 0;
};

// The server book to measure: --server's, or one in a throwaway cluster.
class TServerBook
{
public:
    explicit TServerBook(const QString& server)
        : m_address(server)
    {
        if (!m_address.isEmpty())
            return;
        m_cluster = std::make_unique<TThrowawayCluster>();
        const QString failure = m_cluster->Start();
        if (!failure.isEmpty())
            throw std::runtime_error(failure.toStdString());
        m_address = m_cluster->NewDatabase();
    }

    const QString& Address() const { return m_address; }

    // Copies the demo book in unless the book holds one already.
    void Load(const QString& demoBook, QTextStream& out)
    {
        {
            TPgConnection connection(m_address);
            const TPgResult tables = connection.Execute(QStringLiteral("SELECT to_regclass('debtors') IS NOT NULL"));
            if (tables.Text(0, 0) == QLatin1String("t") && Count(connection, QStringLiteral("Debtors")) > 0)
                return;
        }
        out << QStringLiteral("Книга копируется на сервер: %1 ...").arg(demoBook) << Qt::endl;
        const double ms = TimeMs([&] { CopyLoanBook(demoBook, m_address); });
        out << QStringLiteral("Готово за %1 с.").arg(ms / 1000, 0, 'f', 1) << Qt::endl;
    }

private:
    std::unique_ptr<TThrowawayCluster> m_cluster;
    QString m_address;
};

void PrintOperations(const QString& address, const TArguments& arguments, QTextStream& out)
{
    TServerDataAccessFacade store(address);
    TServerOperations operations(address, store);
    TBareConnection bare(address);
    PrintTimesTable(out, QStringLiteral("Через программу"), QStringLiteral("libpq напрямую"), operations.All(),
                    arguments.Only, [&](const TOperation& operation) { return Measure(bare, operation, arguments.Rounds); });
}

void PrintClerksRounds(const QString& address, QTextStream& out)
{
    // Credits with something left to pay, every payment of a round on another one.
    TPgConnection look(address);
    const std::vector<int> owing = Keys(look, QStringLiteral(
        "SELECT CreditID FROM Credits WHERE FullMustBePaymentSum - PaymentsSum > 100 ORDER BY CreditID DESC LIMIT 1600"));
    out << Qt::endl
        << QStringLiteral("| Клерков | Платежей | Платежей в секунду | 99-й процентиль платежа, мс | Отказов |") << Qt::endl
        << QStringLiteral("|---:|---:|---:|---:|---:|") << Qt::endl;
    for (const int clerks : { 1, 2, 4, 8 }) {
        const std::vector<int> credits(owing.begin(), owing.begin() + std::min<std::size_t>(owing.size(), 200 * std::size_t(clerks)));
        const TClerksRound round = RunClerksRound(address, clerks, credits);
        out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                   .arg(round.Clerks)
                   .arg(round.Payments)
                   .arg(round.PaymentsPerSecond, 0, 'f', 0)
                   .arg(round.Percentile99Ms, 0, 'f', 2)
                   .arg(round.Refused)
            << Qt::endl;
    }
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    TArguments arguments;
    if (!ReadArguments(arguments)) {
        QTextStream(stderr) << QStringLiteral("Использование: varnel-bench-server [ПАПКА] [--server АДРЕС] [--debtors N] "
                                              "[--rounds R] [--only ТЕКСТ]")
                            << Qt::endl;
        return 2;
    }
    TFixedClock clock(DemoBookNow());
    const TScopedClock inPlace(clock);
    try {
        TServerBook server(arguments.Server);
        server.Load(EnsureDemoBook(arguments.Folder, arguments.Debtors, out), out);
        {
            TPgConnection look(server.Address());
            out << QStringLiteral("Книга на сервере (должников %1, кредитов %2, строк графика %3, платежей %4); повторов: %5")
                       .arg(Count(look, QStringLiteral("Debtors")))
                       .arg(Count(look, QStringLiteral("Credits")))
                       .arg(Count(look, QStringLiteral("PaymentSchedule")))
                       .arg(Count(look, QStringLiteral("PaymentHistory")))
                       .arg(arguments.Rounds)
                << Qt::endl
                << Qt::endl;
        }
        PrintOperations(server.Address(), arguments, out);
        if (QStringLiteral("Клерков").contains(arguments.Only, Qt::CaseInsensitive))
            PrintClerksRounds(server.Address(), out);
    } catch (const std::exception& error) {
        // The system's own exceptions carry their message as UTF-8 here too.
        QTextStream(stderr) << QString::fromUtf8(error.what()) << Qt::endl;
        return 1;
    }
    return 0;
}
