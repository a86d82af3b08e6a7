#include "BenchServerClerks.h"

#include "BenchCommon.h"

#include "core/LoanBook.h"
#include "domain/BookChangedException.h"
#include "domain/PaymentHistoryItem.h"
#include "serverdata/ServerDataAccessFacade.h"

#include <QElapsedTimer>

#include <latch>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

struct TClerkTimes
{
    std::vector<double> PaymentMs;
    int Refused = 0;
    QString Failure;
};

void PayShare(TServerDataAccessFacade& store, const std::vector<int>& credits, TClerkTimes& times)
{
    TLoanBook book(store);
    for (const int creditID : credits) {
        QElapsedTimer timer;
        timer.start();
        try {
            const TPaymentCase seen = book.OpenPayment(book.SeeCredit(creditID));
            book.RecordPayment(seen.Picture, std::min(seen.Credit.RemainingDebt(), Money::FromText(QStringLiteral("10"))),
                               false);
        } catch (const EBookChangedException&) {
            ++times.Refused;
            continue;
        }
        times.PaymentMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
}

}

TClerksRound RunClerksRound(const QString& address, int clerks, const std::vector<int>& creditIDs)
{
    std::vector<std::vector<int>> shares(static_cast<std::size_t>(clerks));
    for (std::size_t i = 0; i < creditIDs.size(); ++i)
        shares[i % shares.size()].push_back(creditIDs[i]);
    std::vector<TClerkTimes> times(static_cast<std::size_t>(clerks));
    // Everybody connects first; the clock runs from when all start paying until the last is done.
    std::latch connected(clerks + 1);
    std::latch go(1);
    std::vector<std::thread> threads;
    for (int c = 0; c < clerks; ++c) {
        threads.emplace_back([&, c] {
            TClerkTimes& mine = times[std::size_t(c)];
            std::unique_ptr<TServerDataAccessFacade> store;
            try {
                store = std::make_unique<TServerDataAccessFacade>(address);
            } catch (const std::exception& e) {
                mine.Failure = QString::fromUtf8(e.what());
            }
            connected.count_down();
            go.wait();
            try {
                if (store)
                    PayShare(*store, shares[std::size_t(c)], mine);
            } catch (const std::exception& e) {
                mine.Failure = QString::fromUtf8(e.what());
            }
        });
    }
    connected.arrive_and_wait();
    QElapsedTimer wall;
    wall.start();
    go.count_down();
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = double(wall.nsecsElapsed()) / 1e9;

    TClerksRound round;
    round.Clerks = clerks;
    std::vector<double> all;
    for (const TClerkTimes& clerk : times) {
        if (!clerk.Failure.isEmpty())
            throw std::runtime_error(clerk.Failure.toStdString());
        all.insert(all.end(), clerk.PaymentMs.begin(), clerk.PaymentMs.end());
        round.Refused += clerk.Refused;
    }
    round.Payments = int(all.size());
    round.PaymentsPerSecond = double(all.size()) / seconds;
    round.Percentile99Ms = Percentile(all, 0.99);
    return round;
}
