#include "ToolCommand.h"

// Each sub-command lives in its own *Command.cpp, which defines the function
// that describes it; a new one is declared here and put into the table.
TToolCommand ScheduleCommand();
TToolCommand DemoCommand();

const std::vector<TToolCommand>& ToolCommands()
{
    static const std::vector<TToolCommand> commands{
        ScheduleCommand(),
        DemoCommand(),
    };
    return commands;
}
