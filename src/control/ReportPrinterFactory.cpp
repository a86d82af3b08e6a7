#include "ReportPrinterFactory.h"

#include "SilentReportPrinter.h"

std::unique_ptr<IReportPrinter> CreateReportPrinter()
{
    // Until the reports are built, printing shows nothing.
    return std::make_unique<TSilentReportPrinter>();
}
