#pragma once

#include "ToolCommand.h"

#include <QStringList>

// The loan-book commands of varnel-tool. Each takes the arguments after the
// command's name and returns a TToolExitCode; the messages go to stderr, the
// usage line for wrong arguments is added by the caller.

// create FILE: a new, empty loan book; an existing file is refused.
int RunCreateCommand(const QStringList& args);
// check FILE: the start-up's version check; prints "ok" when it passes.
int RunCheckCommand(const QStringList& args);
// index FILE [--today YYYY-MM-DD]: the overdue indexing as of that day.
int RunIndexCommand(const QStringList& args);
