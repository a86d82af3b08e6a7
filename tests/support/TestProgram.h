#pragma once

// The parts main() builds for the window, built by a test on the loan book it connected.

#include "control/ProgramParts.h"
#include "data/DataAccessFacade.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"

struct TTestProgram
{
    TReportManager Reports;
    TDeclensionService Declension { TDeclensionService::DefaultLibraryPath() };
    TProgramParts Parts { *GetDataAccessFacade(), Reports, Declension };
};
