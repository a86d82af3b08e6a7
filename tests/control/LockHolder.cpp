// Another program that has a loan book open and locked: it takes the file's
// exclusive lock, says "locked" and holds the lock until its standard input
// closes. For the tests of a busy file.
//   LockHolder FILE
#include <SQLiteCpp/Database.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    SQLite::Database database(argv[1], SQLite::OPEN_READWRITE);
    // The test's own program may still be reading the file (its day's copy).
    database.setBusyTimeout(30000);
    // A pending write as well, so that even reading has to wait.
    database.exec("BEGIN EXCLUSIVE");
    database.exec("UPDATE CompanyInfo SET CompanyName = CompanyName");
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    database.exec("ROLLBACK");
    return 0;
}
