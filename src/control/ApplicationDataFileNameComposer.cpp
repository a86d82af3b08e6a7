#include "ApplicationDataFileNameComposer.h"

#include <QDir>

QString TApplicationDataFileNameComposer::GetBaseFolder() const
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return appData;
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty())
        return configHome;
    return QDir::homePath() + QStringLiteral("/.config");
}
