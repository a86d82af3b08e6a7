// The run of varnel-bench and varnel-bench-window: the data-access facade (or
// the main window's controller) against the same SQL run bare through the
// sqlite3 C API, on a demo loan book of 20 000 debtors (about 40 000 credits
// and 1 000 000 schedule rows).
//
//   varnel-bench [FOLDER] [--debtors N] [--rounds R] [--only TEXT]
//   varnel-bench-window [FOLDER] [--debtors N] [--rounds R] [--only TEXT]
//
// The book is made in FOLDER (default: the temporary folder) on the first run
// and reused afterwards; every run works on a fresh copy of it, so the writing
// operations never pile up. Each operation is first run once through the
// facade with its statements recorded; then, R times in turn (three times as
// often for an operation under 300 ms), the facade call and the bare run of the
// recorded statements are timed. The table shows the medians and their ratio
// (facade / bare). --only keeps the operations whose name contains the text
// (for profiling one of them).
//
// The two indexing rows are measured against the indexing's three plain UPDATE
// statements (tests/support/PlainIndexing.h) run bare on the same file instead:
// right after a full indexing, when nothing is left to change, and after one
// payment that covers what a credit owed, made (untimed) before every run on
// either side.
#include "BenchCommon.h"
#include "BenchRun.h"
#include "StatementRecorder.h"
#include "support/PlainIndexing.h"

#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/ScopedClock.h"
#include "domain/CreditsList.h"
#include "domain/Exception.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

TTimes Measure(TDataAccessFacade& facade, sqlite3* bare, const TOperation& operation, int rounds)
{
    QList<QByteArray> statements = operation.Yardstick;
    {
        TStatementRecorder recorder(facade.Connection().Database().getHandle());
        if (operation.Prepare)
            operation.Prepare();
        operation.Run();
        if (statements.isEmpty())
            statements = recorder.Statements();
    }
    return TimeInTurns(operation, rounds, [&] { RunBare(bare, statements); });
}

// Credits that owe something due by now, with what covers it (and a rouble more).
std::vector<std::pair<int, Money>> OwingCredits(sqlite3* connection, int count)
{
    const char* sql = "SELECT Credits.CreditID, (SELECT Max(MustBePaymentSum) FROM PaymentSchedule "
                      "WHERE PaymentSchedule.CreditID = Credits.CreditID AND ActiveDelay = 1) "
                      "- IfNull(Credits.PaymentsSum, 0) + 1 FROM Credits WHERE ActiveDelayCount > 0 "
                      "ORDER BY CreditID LIMIT ?";
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
    sqlite3_bind_int(statement, 1, count);
    std::vector<std::pair<int, Money>> credits;
    while (sqlite3_step(statement) == SQLITE_ROW)
        credits.emplace_back(sqlite3_column_int(statement, 0),
                             Money::FromText(QString::fromLatin1(
                                 reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)))));
    sqlite3_finalize(statement);
    return credits;
}

int Scalar(sqlite3* connection, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
    const int id = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : 0;
    sqlite3_finalize(statement);
    return id;
}


// The demo book's "today".
const DateTime BookNow = DemoBookNow();

}

int RunBench(const QString& program, const TMoreRows& moreRows)
{
    QTextStream out(stdout);
    QString folder = QDir::temp().filePath(QStringLiteral("varnel-bench"));
    int debtors = 20000;
    int rounds = 7;
    QString only;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--debtors") && i + 1 < args.size())
            debtors = args[++i].toInt();
        else if (args[i] == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--only") && i + 1 < args.size())
            only = args[++i];
        else if (!args[i].startsWith(QLatin1String("--")))
            folder = args[i];
        else {
            QTextStream(stderr) << QStringLiteral("Использование: %1 [ПАПКА] [--debtors N] [--rounds R] [--only ТЕКСТ]")
                                       .arg(program)
                                << Qt::endl;
            return 2;
        }
    }

    TFixedClock clock(BookNow);
    const TScopedClock inPlace(clock);
    try {
        const QString book = EnsureDemoBook(folder, debtors, out);
        const QString work = QDir(folder).filePath(QStringLiteral("varnel-bench-work.s3db"));
        QFile::remove(work);
        if (!QFile::copy(book, work))
            throw std::runtime_error("cannot copy the demo book");
        QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner);

        TDataAccessFacade facade;
        facade.Connection().SetFileName(work);
        facade.Connection().Open();
        sqlite3* bare = nullptr;
        if (sqlite3_open_v2(work.toUtf8().constData(), &bare, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open the copy");
        sqlite3_busy_timeout(bare, TSQLiteConnection::DefaultBusyTimeoutMs);

        const std::vector<int> debtorIDs = SomeIDs(Scalar(bare, "SELECT Max(DebtorID) FROM Debtors"), 500, 11);
        const std::vector<int> creditIDs = SomeIDs(Scalar(bare, "SELECT Max(CreditID) FROM Credits"), 500, 12);
        const std::vector<int> paidIDs = SomeIDs(Scalar(bare, "SELECT Max(CreditID) FROM Credits"), 20, 13);
        // The payments the insertion rows add are taken out again before every run, so that the
        // recorded statements, keys and all, can be run bare again; new keys stay above every key given.
        const QByteArray takeInsertedPaymentsOut = "DELETE FROM PaymentHistory WHERE PaymentID > "
            + QByteArray::number(Scalar(bare, "SELECT Max(PaymentID) FROM PaymentHistory"));
        // One for every run of the one-payment row on either side: each pays off another credit.
        const std::vector<std::pair<int, Money>> owing = OwingCredits(bare, 8 * rounds);
        std::size_t nextOwing = 0;
        const auto payOneCredit = [&] {
            if (nextOwing >= owing.size())
                throw std::runtime_error("too few credits owe anything");
            TPaymentHistoryItem payment;
            payment.PaymentDate = Clock::Now();
            payment.PaymentSum = owing[nextOwing].second;
            facade.InsertPayment(owing[nextOwing++].first, payment);
        };
        const QList<QByteArray> plainIndexing = PlainIndexing::Statements(BookNow);
        const auto index = [&] {
            facade.UpdateSchedulesDelay();
            return qint64(0);
        };

        std::vector<TOperation> operations;
        // The window's rows instead of the facade's, with what they need kept alive meanwhile.
        const TBenchRows window = moreRows ? moreRows(facade, folder) : TBenchRows();
        if (moreRows)
            operations = window.Operations;
        else
            operations = {
            { QStringLiteral("Список должников: открыть и прочитать"), 1,
              [&] { return ReadAll(*facade.OpenDebtorsListQuery()); } },
            { QStringLiteral("UpdateSchedulesDelay сразу после полной (против трёх простых UPDATE)"), 1, index,
              plainIndexing },
            { QStringLiteral("UpdateSchedulesDelay после одного платежа (против трёх простых UPDATE)"), 1, index,
              plainIndexing, payOneCredit },
            { QStringLiteral("LoadDebtorCredits"), int(debtorIDs.size()),
              [&] {
                  qint64 count = 0;
                  TCreditsList credits;
                  for (const int id : debtorIDs) {
                      facade.LoadDebtorCredits(id, credits);
                      count += credits.Count();
                  }
                  return count;
              } },
            { QStringLiteral("LoadPaymentSchedule"), int(creditIDs.size()),
              [&] {
                  qint64 count = 0;
                  TPaymentSchedule schedule;
                  for (const int id : creditIDs) {
                      facade.LoadPaymentSchedule(id, schedule);
                      count += schedule.Count();
                  }
                  return count;
              } },
            { QStringLiteral("InsertPayment"), int(paidIDs.size()),
              [&] {
                  for (const int id : paidIDs) {
                      TPaymentHistoryItem payment;
                      payment.PaymentDate = Clock::Now();
                      payment.PaymentSum = Money::FromUnits(1000000);
                      facade.InsertPayment(id, payment);
                  }
                  return qint64(paidIDs.size());
              },
              {}, [&] { RunBare(bare, { takeInsertedPaymentsOut }); } },
            { QStringLiteral("OpenInsolventQuery: открыть и прочитать"), 1,
              [&] { return ReadAll(*facade.OpenInsolventQuery(Clock::Today())); } },
            { QStringLiteral("GetMonthPaymentForecast"), 12,
              [&] {
                  qint64 units = 0;
                  for (int month = 1; month <= 12; ++month)
                      units += facade.GetMonthPaymentForecast(month, BookNow.Date().year()).Units();
                  return units;
              } },
        };

        out << QStringLiteral("База: %1 (должников %2, кредитов %3, строк графика %4); повторов: %5")
                   .arg(book)
                   .arg(Scalar(bare, "SELECT Count(*) FROM Debtors"))
                   .arg(Scalar(bare, "SELECT Count(*) FROM Credits"))
                   .arg(Scalar(bare, "SELECT Count(*) FROM PaymentSchedule"))
                   .arg(rounds)
            << Qt::endl
            << Qt::endl;
        PrintTimesTable(out, QStringLiteral("Фасад"), QStringLiteral("SQLite C API"), operations, only,
                        [&](const TOperation& operation) { return Measure(facade, bare, operation, rounds); });
        sqlite3_close(bare);
        facade.Connection().Close();
        QFile::remove(work);
    } catch (const Exception& error) {
        QTextStream(stderr) << error.Message() << Qt::endl;
        return 1;
    } catch (const std::exception& error) {
        QTextStream(stderr) << error.what() << Qt::endl;
        return 1;
    }
    return 0;
}
