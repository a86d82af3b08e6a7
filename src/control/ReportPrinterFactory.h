#pragma once

#include "IReportPrinter.h"

#include <memory>

// The printer the system controller starts with.
std::unique_ptr<IReportPrinter> CreateReportPrinter();
