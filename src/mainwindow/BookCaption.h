#pragma once

#include <QString>

// How the window names a loan book, in the recent books' menu and the status
// bar: a server book given by its address by its readable name
// ("book на srv (clerk)"), any other text as a path fit for a menu or a
// status bar (see ShortPath).
QString BookCaption(const QString& book);

// Whether the book is a server book: given by its address, or by the
// readable name its store gives it, which no file's path is (neither
// absolute nor a file that exists).
bool IsServerBook(const QString& book);
