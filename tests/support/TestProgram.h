#pragma once

// The parts main() builds, built by a test in the same order: the settings
// store (under the test's APPDATA), the recent books, the book in use, the start-up,
// the report manager and the declension. Freeing it writes the settings file,
// as the program's end does.

#include "control/ProgramParts.h"
#include "control/StartUpController.h"
#include "data/DataAccessFacade.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/SQLiteConnection.h"

struct TTestProgram
{
    explicit TTestProgram(TStartUpQuestions questions = TStartUpController::UserQuestions())
        : StartUp(Book, Settings, History, std::move(questions))
    {
    }

    // Puts the file in use, open, without the start-up's checks.
    void UseFile(const QString& path)
    {
        auto file = std::make_unique<TDataAccessFacade>();
        file->Connection().SetFileName(path);
        file->Connection().Open();
        Book.Use(path, std::move(file));
    }

    // The file book in use; raises when none is open.
    TDataAccessFacade& Facade() const { return dynamic_cast<TDataAccessFacade&>(Book.Store()); }

    TSimpleSettingsManager Settings;
    THistoryManager History;
    TBookInUse Book;
    TStartUpController StartUp;
    TReportManager Reports;
    TDeclensionService Declension { TDeclensionService::DefaultLibraryPath() };
    TProgramParts Parts { Book, Reports, Declension, Settings, History, StartUp };
};
