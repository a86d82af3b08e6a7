#include "VarnelApplication.h"

#include "ui/ApplicationErrors.h"

TVarnelApplication::TVarnelApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(ApplicationTitle);
    setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    // The main window stays hidden while the start-up asks its questions;
    // closing one of those must not end the program. The main window ends
    // it when it closes.
    setQuitOnLastWindowClosed(false);
}

bool TVarnelApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleApplicationException();
        return false;
    }
}
