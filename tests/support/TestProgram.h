#pragma once

// The parts main() builds, built by a test in the same order: the settings
// store (under the test's APPDATA), the recent books, the facade, the start-up,
// the report manager and the declension. Freeing it writes the settings file,
// as the program's end does.

#include "control/ProgramParts.h"
#include "control/StartUpController.h"
#include "data/DataAccessFacade.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"

struct TTestProgram
{
    explicit TTestProgram(TStartUpQuestions questions = TStartUpController::UserQuestions())
        : StartUp(Facade, Settings, History, std::move(questions))
    {
    }

    TSimpleSettingsManager Settings;
    THistoryManager History;
    TDataAccessFacade Facade;
    TStartUpController StartUp;
    TReportManager Reports;
    TDeclensionService Declension { TDeclensionService::DefaultLibraryPath() };
    TProgramParts Parts { Facade, Reports, Declension, Settings, History, StartUp };
};
