#pragma once

#include <QString>

#include <atomic>

class TSQLiteConnection;

// Whole-database copies with SQLite's online backup: a consistent copy of a
// file that another connection may be writing, taken a few pages at a time.
// The source is locked only while one step copies, so a write of the program
// waits at most that long; a write between steps makes SQLite start the copy
// over, and the copy is always of one committed state.
namespace OnlineBackup {

// Pages copied per step: 1 MiB with the usual 4 KiB pages, a few milliseconds.
constexpr int PagesPerStep = 256;

// Copies the database file into the destination file, which is replaced. The
// copy is written under a temporary name beside it and renamed only when
// complete, so that an interrupted copy never passes for a whole one. Returns
// false, leaving nothing behind, when stop became true; raises
// EDatabaseException when SQLite fails.
bool CopyFile(const QString& source, const QString& destination, const std::atomic_bool* stop = nullptr);

// Replaces everything in the connection's database by the content of the
// file, in one write transaction of the connection: another program sees
// either the old book or the restored one.
void Restore(TSQLiteConnection& connection, const QString& source);

}
