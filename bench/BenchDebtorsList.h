#pragma once

#include "BenchOperation.h"

#include <vector>

class TSystemController;

// The main window's debtors list as the controller drives it: opening it,
// the name filter, the filter box, and selecting debtors (their credits and
// details loaded). The rows are positions in the list to select.
std::vector<TOperation> DebtorsListOperations(TSystemController& controller, const std::vector<int>& rows);
