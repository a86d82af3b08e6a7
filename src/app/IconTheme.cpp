#include "IconTheme.h"

#include <QIcon>
#include <QStandardPaths>
#include <QStringList>

void UseIconTheme(const QString& fallbackTheme)
{
    QIcon::setFallbackThemeName(fallbackTheme);
    QStringList folders = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                            QStringLiteral("icons"),
                                                            QStandardPaths::LocateDirectory))
        if (!folders.contains(folder))
            folders << folder;
    QIcon::setThemeSearchPaths(folders);
    // Without a theme of its own Qt looks in no theme at all, not even the fallback.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(fallbackTheme);
}
