#include "VarnelApplication.h"

#include "IconTheme.h"
#include "FormatsLocale.h"

#include "domain/ProgramVersion.h"
#include "ui/ApplicationErrors.h"

#include <QLibraryInfo>
#include <QTranslator>

TVarnelApplication::TVarnelApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(ApplicationTitle);
    setApplicationVersion(ProgramVersion());
    // The main window stays hidden while the start-up asks its questions;
    // closing one of those must not end the program. The main window ends
    // it when it closes.
    setQuitOnLastWindowClosed(false);
    UseIconTheme(QStringLiteral("Adwaita"));
    // Every window, dialog and list created from now on takes its formats
    // from the default locale.
    QLocale::setDefault(FormatsLocale(QLocale::system()));
    // Qt's own texts (standard buttons, the file dialog) speak the program's language.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool TVarnelApplication::notify(QObject* receiver, QEvent* event)
{
    // The last resort only: commands and background work catch their own
    // errors where the window hands them over; what still arrives here is shown
    // rather than ending the program.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleApplicationException();
        return false;
    }
}
