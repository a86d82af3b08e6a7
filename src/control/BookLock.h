#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Who works with a loan book: noted in a small file beside the book
// ("<book>.lock") while a program has it open, so that a second program can
// tell the user before opening it too. The book itself is never touched, so
// files stay as earlier installations expect them.
struct TBookLockOwner
{
    QString Host;
    QString User;
    qint64 Pid = 0;
    QDateTime Since;

    // This program on this computer.
    static TBookLockOwner Current();
    bool IsCurrent() const;
    // False only when it ran on this computer and its process is gone (a
    // program that crashed or was killed); another computer's is taken as alive.
    bool IsAlive() const;
};

class TBookLock
{
public:
    TBookLock() = default;
    ~TBookLock() { Release(); }
    TBookLock(const TBookLock&) = delete;
    TBookLock& operator=(const TBookLock&) = delete;

    static QString LockFileName(const QString& book);
    // The note of the lock file beside the book, when there is a readable one.
    static std::optional<TBookLockOwner> ReadOwner(const QString& book);
    // Another program that has the book open now: nothing when the book is
    // free, held by this program, or its lock was left by a program that is gone.
    static std::optional<TBookLockOwner> OtherHolder(const QString& book);

    // Notes this program as the book's holder, letting go of the book held
    // before. Where the folder takes no file the book stays without a note.
    void Hold(const QString& book);
    // Removes the note, unless another program has written its own since.
    void Release();
    const QString& Book() const { return m_book; }

private:
    QString m_book;
};
