#pragma once

#include <QStringList>
#include <functional>

// The recently connected loan books, oldest first, at most eight after each
// Add. Kept in a text file of one book a line: a file's path, or a server
// book's address (TServerAddress::ToUri: never a password).
class THistoryManager
{
public:
    static constexpr int MaxCount = 8;
    static const QString FileName;

    using TChangeEvent = std::function<void(THistoryManager& sender, const QStringList& entries)>;

    // Moves the path (compared without regard to letter case) to the newest
    // place, in the letter case given now, and drops the oldest beyond MaxCount.
    // A server book's address is kept in its one written form and compared
    // exactly (names on a server are case-sensitive); one that carries a
    // password, or does not read as an address, is not kept.
    void Add(const QString& path);
    // The entry at the index, 0 being the oldest; raises outside the list.
    QString Get(int index) const;
    int Count() const { return static_cast<int>(m_entries.size()); }
    const QStringList& Entries() const { return m_entries; }

    // Replaces the entries by the file's lines, all of them (server addresses
    // as Add keeps them); a missing or unreadable file leaves them as they
    // are. Notifies in both cases.
    void LoadFromFile(const QString& fileName);
    // Writes all entries, replacing the file and creating its folder.
    // False when it could not be written; nothing is thrown, since the
    // list is only a convenience and a failure must not break a switch.
    bool SaveToFile(const QString& fileName) const;

    // Pointed at whoever shows the list (the main window's menu); replaces
    // the previous handler.
    void SetOnChange(TChangeEvent handler) { m_onChange = std::move(handler); }

private:
    void Changed();

    QStringList m_entries;
    TChangeEvent m_onChange;
};
