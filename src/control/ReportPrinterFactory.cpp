#include "ReportPrinterFactory.h"

#include "ReportUseCases.h"
#include "data/DataAccessFacade.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"

std::unique_ptr<IReportPrinter> CreateReportPrinter()
{
    return std::make_unique<TReportUseCases>(*GetDataAccessFacade(), *GetReportManager(), *GetDeclensionService());
}
