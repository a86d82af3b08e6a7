// varnel-bench-window: the main window's debtors list as its controller drives it,
// against the same SQL run bare (see BenchDataAccess.cpp and BenchDebtorsList.cpp).
#include "BenchDebtorsList.h"
#include "BenchRun.h"

#include "control/ProgramParts.h"
#include "control/StartUpController.h"
#include "control/SystemController.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/ResultSet.h"

#include <QApplication>
#include <QDir>

#include <random>

namespace {

// The program's parts on the bench's book, opened as the window opens it, its
// settings kept in the bench's folder.
struct TWindowParts
{
    explicit TWindowParts(const QString& path)
        : StartUp(Book, Settings, History)
    {
        auto file = std::make_unique<TDataAccessFacade>();
        file->Connection().SetFileName(path);
        Book.Use(path, std::move(file));
    }

    TBookInUse Book;
    TSimpleSettingsManager Settings;
    THistoryManager History;
    TStartUpController StartUp;
    TReportManager Reports;
    TDeclensionService Declension { TDeclensionService::DefaultLibraryPath() };
    TProgramParts Parts { Book, Reports, Declension, Settings, History, StartUp };
    // The list as the main window has it, without a window to show it in.
    TSystemController Controller { Parts, nullptr, nullptr };
};

// Positions in the list, the same every run.
std::vector<int> SomeRows(int last, int count)
{
    std::mt19937 random(14);
    std::vector<int> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(int(random() % std::uint32_t(last + 1)));
    return rows;
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return RunBench(QStringLiteral("varnel-bench-window"), [](TDataAccessFacade& facade, const QString& folder) {
        qputenv("APPDATA", QDir(folder).filePath(QStringLiteral("settings")).toUtf8());
        auto window = std::make_shared<TWindowParts>(facade.Connection().FileName());
        const std::vector<int> rows = SomeRows(window->Controller.DebtorsList()->RowCount() - 1, 500);
        return TBenchRows { window, DebtorsListOperations(window->Controller, rows) };
    });
}
