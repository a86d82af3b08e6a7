#include "OnlineBackup.h"

#include "SQLiteConnection.h"
#include "SQLiteError.h"
#include "SQLiteExceptions.h"

#include <QFile>
#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <memory>

namespace {

// How long a step that met another program's lock waits before it tries again.
constexpr int BusyPauseMs = 20;

struct TBackupCloser
{
    void operator()(sqlite3_backup* backup) const { sqlite3_backup_finish(backup); }
};
using TBackupHandle = std::unique_ptr<sqlite3_backup, TBackupCloser>;

[[noreturn]] void RaiseFrom(sqlite3* database)
{
    RaiseDatabaseError(sqlite3_errcode(database), sqlite3_extended_errcode(database), sqlite3_errmsg(database));
}

// Copies source into destination step by step; false when stopped. A step
// that meets another program's lock is tried again after a pause, up to
// busyTries times in a row; then the file is reported busy.
bool CopyPages(sqlite3* destination, sqlite3* source, int pagesPerStep, int busyTries,
               const std::atomic_bool* stop)
{
    TBackupHandle backup(sqlite3_backup_init(destination, "main", source, "main"));
    if (!backup)
        RaiseFrom(destination);
    int busy = 0;
    for (;;) {
        if (stop && stop->load())
            return false;
        const int result = sqlite3_backup_step(backup.get(), pagesPerStep);
        if (result == SQLITE_DONE)
            break;
        if ((result == SQLITE_BUSY || result == SQLITE_LOCKED) && busy < busyTries) {
            ++busy;
            sqlite3_sleep(BusyPauseMs);
            continue;
        }
        busy = 0;
        if (result != SQLITE_OK) {
            backup.reset();
            RaiseDatabaseError(result, result, sqlite3_errstr(result));
        }
    }
    const int finished = sqlite3_backup_finish(backup.release());
    if (finished != SQLITE_OK)
        RaiseFrom(destination);
    return true;
}

SQLite::Database OpenFile(const QString& fileName, int flags)
{
    return GuardSQLite([&] { return SQLite::Database(QFile::encodeName(fileName).constData(), flags); });
}

// Copies the source file into a new database file; false when stopped.
bool CopyIntoNewFile(const QString& source, const QString& destination, const std::atomic_bool* stop)
{
    // A missing source is an error, never an empty new database.
    SQLite::Database from = OpenFile(source, SQLite::OPEN_READONLY);
    from.setBusyTimeout(TSQLiteConnection::DefaultBusyTimeoutMs);
    SQLite::Database to = OpenFile(destination, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    // The last step holds the source's lock while the copy commits: without
    // waiting there for the disk, a big book keeps the clerk waiting no longer
    // than any other step. The copy goes to the disk once it is closed.
    GuardSQLite([&] { to.exec("PRAGMA synchronous = OFF"); });
    return CopyPages(to.getHandle(), from.getHandle(), OnlineBackup::PagesPerStep,
                     TSQLiteConnection::DefaultBusyTimeoutMs / BusyPauseMs, stop);
}

bool SyncToDisk(const QString& fileName)
{
    const int file = ::open(QFile::encodeName(fileName).constData(), O_RDONLY);
    if (file < 0)
        return false;
    const bool synced = ::fsync(file) == 0;
    ::close(file);
    return synced;
}

}

namespace OnlineBackup {

bool CopyFile(const QString& source, const QString& destination, const std::atomic_bool* stop)
{
    const QString part = destination + QStringLiteral(".part");
    QFile::remove(part);
    bool copied = false;
    try {
        copied = CopyIntoNewFile(source, part, stop);
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    if (!copied) {
        QFile::remove(part);
        return false;
    }
    // rename() replaces the file of an earlier copy in one step.
    if (!SyncToDisk(part)
        || std::rename(QFile::encodeName(part).constData(), QFile::encodeName(destination).constData()) != 0) {
        QFile::remove(part);
        throw EDatabaseException(QStringLiteral("Копию базы данных не удалось сохранить как «%1».").arg(destination),
                                 SQLITE_CANTOPEN, SQLITE_CANTOPEN);
    }
    return true;
}

void Restore(TSQLiteConnection& connection, const QString& source)
{
    SQLite::Database from = OpenFile(source, SQLite::OPEN_READONLY);
    // All pages in one step: the connection's write lock is held from the
    // first page to the last, so nobody reads a half-restored book.
    CopyPages(connection.Database().getHandle(), from.getHandle(), -1, 0, nullptr);
}

}
