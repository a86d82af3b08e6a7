#pragma once

#include <QString>

class TSQLiteConnection;

// Names, in Russian, the first table or column the program reads or writes
// that the open file lacks; empty when it has them all. A file whose version
// record is right but whose tables were altered would otherwise fail at the
// first statement that touches the missing part (possibly after the window
// had already switched to it). Columns beyond these are allowed: files of
// earlier installations carry some.
QString DescribeMissingLoanBookColumns(TSQLiteConnection& connection);
