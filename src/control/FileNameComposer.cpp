#include "FileNameComposer.h"

#include <QCoreApplication>
#include <QDir>

namespace {
void AppendFolder(QString& path, const QString& folder)
{
    if (folder.isEmpty())
        return;
    path += folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
}
}

QString TFileNameComposer::GetFolder() const
{
    QString base = GetBaseFolder();
    if (base.isEmpty())
        base = QCoreApplication::applicationDirPath();
    QString folder;
    AppendFolder(folder, QDir::fromNativeSeparators(base));
    AppendFolder(folder, m_companyName);
    AppendFolder(folder, m_productName);
    AppendFolder(folder, m_version);
    return folder;
}
