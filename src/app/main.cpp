// varnel: the loan book of a small lending company.
#include "VarnelApplication.h"
#include "control/ProgramParts.h"
#include "control/StartUpController.h"
#include "reports/DeclensionService.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "domain/ProgramVersion.h"
#include "extras/ProgramIcon.h"
#include "mainwindow/MainForm.h"
#include "reports/ReportManager.h"
#include "reports/preview/PrintPreviewReportPreview.h"

#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before any window exists, so it works without a screen.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("varnel %s\n", ProgramVersion().toUtf8().constData());
        return 0;
    }

    TVarnelApplication application(argc, argv);
    TVarnelApplication::setWindowIcon(ProgramIcon());
    // Ties the windows to the desktop entry, so that they show its icon.
    TVarnelApplication::setDesktopFileName(QStringLiteral("varnel"));
    int exitCode = 0;
    {
        // Built in the order they need each other, freed in the reverse one: the
        // window (and its controller, which notes the recent books) goes first, the
        // settings store, which writes the settings file, after it.
        TSimpleSettingsManager settings;
        THistoryManager history;
        TBookInUse book;
        TStartUpController startUp(book, settings, history);
        TDeclensionService declension(TDeclensionService::DefaultLibraryPath());
        TPrintPreviewReportPreview preview;
        TReportManager reports;
        reports.SetPreview(&preview);
        TProgramParts parts { book, reports, declension, settings, history, startUp };
        TMainForm mainForm(parts);
        preview.SetSavedFileNotice([&mainForm](const QString& path) { mainForm.ShowSavedFile(path); });
        // The first show, once the message loop runs, connects to the loan book.
        QTimer::singleShot(0, &mainForm, &QWidget::show);
        exitCode = TVarnelApplication::exec();
    }
    return exitCode;
}
