#include "HistoryManager.h"

#include "domain/Exception.h"
#include "domain/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const QString THistoryManager::FileName = QStringLiteral("DBHistory.txt");

namespace {
// The entry as the list keeps it; nothing for an address it must not keep.
std::optional<QString> KeptEntry(const QString& entry)
{
    if (!TServerAddress::IsUri(entry))
        return entry;
    const std::optional<TServerAddress> address = TServerAddress::FromUri(entry);
    return address ? std::optional<QString>(address->ToUri()) : std::nullopt;
}

bool SameBook(const QString& entry, const QString& kept)
{
    return entry.compare(kept, TServerAddress::IsUri(kept) ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}
}

void THistoryManager::Add(const QString& given)
{
    const std::optional<QString> kept = KeptEntry(given);
    if (!kept)
        return;
    const QString& path = *kept;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (SameBook(m_entries[i], path)) {
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
            const std::optional<QString> kept = line.isEmpty() ? std::nullopt : KeptEntry(line);
            if (kept)
                entries.append(*kept);
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
