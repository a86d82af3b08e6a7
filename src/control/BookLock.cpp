#include "BookLock.h"

#include "domain/Clock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <limits>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString SinceFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QString CurrentUser()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

bool SameHolder(const TBookLockOwner& a, const TBookLockOwner& b)
{
    return a.Host == b.Host && a.Pid == b.Pid;
}

}

TBookLockOwner TBookLockOwner::Current()
{
    const DateTime now = Clock::Now();
    return {QSysInfo::machineHostName(), CurrentUser(), QCoreApplication::applicationPid(),
            QDateTime(now.Date(), now.Time())};
}

bool TBookLockOwner::IsCurrent() const
{
    return SameHolder(*this, Current());
}

bool TBookLockOwner::IsAlive() const
{
    if (Host != QSysInfo::machineHostName())
        return true;
    if (Pid <= 0 || Pid > std::numeric_limits<pid_t>::max())
        return false;
    // Signal 0 only asks whether the process exists; EPERM means it does, under another user.
    return kill(static_cast<pid_t>(Pid), 0) == 0 || errno == EPERM;
}

QString TBookLock::LockFileName(const QString& book)
{
    return book + QStringLiteral(".lock");
}

std::optional<TBookLockOwner> TBookLock::ReadOwner(const QString& book)
{
    // Only a regular file is read: a pipe put in its place would wait for ever.
    if (!QFileInfo(LockFileName(book)).isFile())
        return std::nullopt;
    QFile file(LockFileName(book));
    // A lock file never holds more than a few short lines; anything else is no note of ours.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4096)
        return std::nullopt;
    QHash<QString, QString> values;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)).trimmed());
    }
    bool pidRead = false;
    TBookLockOwner owner{values.value(QStringLiteral("host")), values.value(QStringLiteral("user")),
                         values.value(QStringLiteral("pid")).toLongLong(&pidRead),
                         QDateTime::fromString(values.value(QStringLiteral("since")), SinceFormat)};
    if (!pidRead || owner.Host.isEmpty())
        return std::nullopt;
    return owner;
}

std::optional<TBookLockOwner> TBookLock::OtherHolder(const QString& book)
{
    std::optional<TBookLockOwner> owner = ReadOwner(book);
    if (!owner || owner->IsCurrent() || !owner->IsAlive())
        return std::nullopt;
    return owner;
}

void TBookLock::Hold(const QString& book)
{
    if (book == m_book) {
        const std::optional<TBookLockOwner> owner = ReadOwner(book);
        if (owner && owner->IsCurrent())
            return;
    }
    Release();
    const TBookLockOwner owner = TBookLockOwner::Current();
    const QFileInfo existing(LockFileName(book));
    if (existing.exists() && !existing.isFile())
        return;
    QFile file(LockFileName(book));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QString note = QStringLiteral("host=%1\nuser=%2\npid=%3\nsince=%4\n")
                             .arg(owner.Host, owner.User)
                             .arg(owner.Pid)
                             .arg(owner.Since.toString(SinceFormat));
    if (file.write(note.toUtf8()) < 0 || !file.flush()) {
        file.remove();
        return;
    }
    m_book = book;
}

void TBookLock::Release()
{
    if (m_book.isEmpty())
        return;
    const std::optional<TBookLockOwner> owner = ReadOwner(m_book);
    if (owner && owner->IsCurrent())
        QFile::remove(LockFileName(m_book));
    m_book.clear();
}
