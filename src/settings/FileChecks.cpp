#include "FileChecks.h"

#include <QFileInfo>

QString DescribeUnreadableFile(const QString& path)
{
    const QString shown = ShortPath(path);
    const QFileInfo info(path);
    if (path.trimmed().isEmpty())
        return QStringLiteral("Имя файла не задано.");
    if (!info.exists())
        return QStringLiteral("Файл «%1» не найден.").arg(shown);
    if (info.isDir())
        return QStringLiteral("«%1» — это папка, а не файл.").arg(shown);
    if (!info.isFile())
        return QStringLiteral("«%1» — не обычный файл (устройство, канал или сокет), его нельзя открыть.").arg(shown);
    if (!info.isReadable())
        return QStringLiteral("Нет прав на чтение файла «%1».").arg(shown);
    return QString();
}

QString ShortPath(const QString& path, int maxChars)
{
    QString text;
    text.reserve(path.size());
    for (const QChar c : path)
        text += c.isPrint() ? c : QLatin1Char('?');
    if (text.size() <= maxChars || maxChars < 5)
        return text;
    // The end names the file; the beginning tells which disk or home folder.
    const qsizetype tail = (maxChars - 1) * 2 / 3;
    const qsizetype head = maxChars - 1 - tail;
    return text.left(head) + QChar(0x2026) + text.right(tail);
}
