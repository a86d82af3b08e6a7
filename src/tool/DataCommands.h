#pragma once

#include <QStringList>

// The loan-book commands of varnel-tool. Each takes the arguments after the
// command's name and returns the exit code: 0 done, 1 failed (the message is
// on stderr), 2 wrong arguments (usage on stderr).

// create FILE: a new, empty loan book; an existing file is refused.
int RunCreateCommand(const QStringList& args);
// check FILE: the start-up's version check; prints "ok" when it passes.
int RunCheckCommand(const QStringList& args);
// index FILE [--today YYYY-MM-DD]: the overdue indexing as of that day.
int RunIndexCommand(const QStringList& args);
