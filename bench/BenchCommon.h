#pragma once

#include "BenchOperation.h"
#include "domain/DateTime.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QTextStream;
class TResultSet;

// What the benchmark programs share.

// The demo book's "today"; fixed, so that a book made on another day serves as well.
DateTime DemoBookNow();

// The demo book of that many debtors in the folder, made (once, under a minute
// for 20 000) when it is not there yet; its path.
QString EnsureDemoBook(const QString& folder, int debtors, QTextStream& out);

// Every value of every row read through the result set, as a grid or a report would.
qint64 ReadAll(TResultSet& result);

// That many keys from 1 to maxID, the same for the same seed.
std::vector<int> SomeIDs(int maxID, int count, std::uint32_t seed);

double Median(std::vector<double> values);

// A value at that fraction of the sorted values (0.99: the 99th percentile).
double Percentile(std::vector<double> values, double fraction);

template <typename F>
double TimeMs(F&& call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The medians of an operation's runs through the program and of the same
// statements run bare.
struct TTimes
{
    double ProgramMs;
    double BareMs;
};

// Warms the bare side once (as recording the statements warmed the
// program's), then times the operation and the bare run in turn, rounds times
// (three times as often for an operation under 300 ms), each after the
// operation's Prepare.
TTimes TimeInTurns(const TOperation& operation, int rounds, const std::function<void()>& bare);

// The table of medians and ratios: a row for each operation whose name holds
// `only`, measured by `measure`; the columns named after the two sides.
void PrintTimesTable(QTextStream& out, const QString& programSide, const QString& bareSide,
                     const std::vector<TOperation>& operations, const QString& only,
                     const std::function<TTimes(const TOperation&)>& measure);
