#pragma once

#include "ToolCommand.h"

#include <memory>
#include <vector>

// Every sub-command of varnel-tool, in the order the general usage lists them.
const std::vector<std::unique_ptr<TToolCommand>>& ToolCommands();

// varnel-tool itself on its arguments (the command's name first): runs the
// command of that name, adding its usage line to wrong arguments, or lists
// every command's usage. Returns the exit code.
int RunToolCommand(QStringList arguments, QTextStream& out, QTextStream& err);
