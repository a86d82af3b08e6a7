#include "ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>

QString ApplicationFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}
