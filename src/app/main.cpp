// varnel: the loan book of a small lending company.
#include "VarnelApplication.h"
#include "control/SingleInstances.h"
#include "mainwindow/MainForm.h"

#include <QTimer>

int main(int argc, char* argv[])
{
    TVarnelApplication application(argc, argv);
    int exitCode = 0;
    {
        TMainForm mainForm;
        // The first show, once the message loop runs, connects to the loan book.
        QTimer::singleShot(0, &mainForm, &QWidget::show);
        exitCode = TVarnelApplication::exec();
        // The settings file is written here, before the main window goes.
        FreeSingleInstances();
    }
    return exitCode;
}
