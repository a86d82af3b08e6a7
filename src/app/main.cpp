// varnel: the loan book of a small lending company.
#include "VarnelApplication.h"
#include "control/SingleInstances.h"
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
        // Outlives the report manager, which is freed with the single instances.
        TPrintPreviewReportPreview preview;
        TMainForm mainForm;
        preview.SetSavedFileNotice([&mainForm](const QString& path) { mainForm.ShowSavedFile(path); });
        GetReportManager()->SetPreview(&preview);
        // The first show, once the message loop runs, connects to the loan book.
        QTimer::singleShot(0, &mainForm, &QWidget::show);
        exitCode = TVarnelApplication::exec();
        // The settings file is written here, before the main window goes.
        FreeSingleInstances();
    }
    return exitCode;
}
