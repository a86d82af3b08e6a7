#pragma once

#include <QString>

// Copies a whole loan book from a file to a server book or back (a file or a
// server address on either side): every row and value, the keys, the
// cash-order numbers and the sequences' last keys kept. The target must be new
// (a file that does not exist yet) or empty (a server database without the
// book or with an empty one); it is written in one transaction, and a failure
// leaves nothing (a file begun is removed). Returns the count of rows per
// table, for the user.
QString CopyLoanBook(const QString& from, const QString& to);
