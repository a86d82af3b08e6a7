#pragma once

#include "BenchOperation.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TDataAccessFacade;

// Rows a benchmark program measures in place of the facade's own, built on
// the work copy the facade has open; Keep holds what they need meanwhile.
struct TBenchRows
{
    std::shared_ptr<void> Keep;
    std::vector<TOperation> Operations;
};
using TMoreRows = std::function<TBenchRows(TDataAccessFacade& facade, const QString& folder)>;

// Reads the command line, makes or reuses the demo book, measures the rows
// and prints the table; the exit code of the program.
int RunBench(const QString& program, const TMoreRows& moreRows = {});
