#pragma once

#include <QString>

// Creates a new, empty loan book under that name: the tables, indexes and
// triggers, one company row and the version 2, 0.0.0.3. An existing file is
// refused and left alone; a failure removes what was begun.
void CreateLoanBookFile(const QString& fileName);

// The SQL text that makes a new loan book.
QString LoanBookSchemaSQL();
