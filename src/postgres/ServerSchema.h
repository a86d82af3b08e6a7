#pragma once

#include <QString>

class TPgConnection;

// The SQL text that makes a new, empty server book.
QString ServerSchemaSQL();

// Whether the database already holds any table of a loan book.
bool HasServerBookTables(TPgConnection& connection);

// Makes a new, empty loan book in the database the connection is on, in one
// transaction: tables, indexes, triggers, one company row and the version row.
// A database that already has the book's tables is refused and left alone.
void CreateServerBook(TPgConnection& connection);
