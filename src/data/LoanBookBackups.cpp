#include "LoanBookBackups.h"

#include "sqlite/OnlineBackup.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Exception.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QString Suffix = QStringLiteral(".s3db");

QString BookName(const QString& book)
{
    return QFileInfo(book).completeBaseName();
}

}

TLoanBookBackups::TLoanBookBackups(QString folder) : m_folder(std::move(folder))
{
}

QList<TLoanBookBackup> TLoanBookBackups::List(const QString& book) const
{
    const QString prefix = BookName(book) + QLatin1Char(' ');
    QList<TLoanBookBackup> backups;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*") + Suffix}, QDir::Files);
    for (const QString& name : names) {
        if (!name.startsWith(prefix) || !name.endsWith(Suffix))
            continue;
        // Only the exact form counts: "Книга 2026-12-01 старая.s3db" is someone else's file.
        const QString day = name.mid(prefix.size(), name.size() - prefix.size() - Suffix.size());
        const QDate date = QDate::fromString(day, DayFormat);
        if (date.isValid() && date.toString(DayFormat) == day)
            backups.append({QDir(m_folder).filePath(name), date});
    }
    std::sort(backups.begin(), backups.end(),
              [](const TLoanBookBackup& a, const TLoanBookBackup& b) { return a.Day > b.Day; });
    return backups;
}

QString TLoanBookBackups::PathFor(const QString& book, const QDate& day) const
{
    return QDir(m_folder).filePath(BookName(book) + QLatin1Char(' ') + day.toString(DayFormat) + Suffix);
}

bool TLoanBookBackups::Has(const QString& book, const QDate& day) const
{
    return QFileInfo::exists(PathFor(book, day));
}

QString TLoanBookBackups::Make(const QString& book, const QDate& day, const std::atomic_bool* stop)
{
    if (!QDir().mkpath(m_folder))
        throw Exception(QStringLiteral("Папку резервных копий «%1» создать не удалось.").arg(m_folder));
    const QString path = PathFor(book, day);
    if (!OnlineBackup::CopyFile(book, path, stop))
        return QString();
    Prune(book);
    return path;
}

void TLoanBookBackups::Prune(const QString& book)
{
    const QList<TLoanBookBackup> backups = List(book);
    for (qsizetype i = KeptDays; i < backups.size(); ++i)
        QFile::remove(backups[i].Path);
}

QString TLoanBookBackups::SavedAsidePath(const QString& book, const QDateTime& now)
{
    const QFileInfo info(book);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(" до восстановления ")
                               + now.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + Suffix);
}

QString TLoanBookBackups::Restore(TSQLiteConnection& connection, const QString& copy, const QDateTime& now)
{
    const QString book = connection.FileName();
    const QString aside = SavedAsidePath(book, now);
    OnlineBackup::CopyFile(book, aside);
    OnlineBackup::Restore(connection, copy);
    return aside;
}
