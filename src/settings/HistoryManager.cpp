#include "HistoryManager.h"

#include "domain/Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const QString THistoryManager::FileName = QStringLiteral("DBHistory.txt");

void THistoryManager::Add(const QString& path)
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].compare(path, Qt::CaseInsensitive) == 0) {
            m_entries.removeAt(i);
            break;
        }
    }
    m_entries.append(path);
    while (m_entries.size() > MaxCount)
        m_entries.removeFirst();
    Changed();
}

QString THistoryManager::Get(int index) const
{
    if (index < 0 || index >= m_entries.size())
        throw Exception(QStringLiteral("Индекс списка вне допустимых границ (%1).").arg(index));
    return m_entries[index];
}

void THistoryManager::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isFile() && file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        QStringList lines = text.split(QLatin1Char('\n'));
        QStringList entries;
        for (QString& line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            // Blank lines name no database; they would only make empty menu items.
            if (!line.isEmpty())
                entries.append(line);
        }
        m_entries = entries;
    }
    Changed();
}

bool THistoryManager::SaveToFile(const QString& fileName) const
{
    if (fileName.isEmpty() || !QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray content;
    for (const QString& entry : m_entries)
        content += entry.toUtf8() + "\r\n";
    file.write(content);
    return file.commit();
}

void THistoryManager::Changed()
{
    if (m_onChange)
        m_onChange(*this, m_entries);
}
