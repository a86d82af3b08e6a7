#include "DataCommands.h"
#include "ToolCommand.h"

// Each sub-command lives in its own *Command.cpp, which defines the function
// that describes it; a new one is declared here and put into the table.
TToolCommand ScheduleCommand();
TToolCommand DemoCommand();

namespace {

// The loan-book commands write their own messages to the standard streams.
template <int (*Command)(const QStringList&)>
int RunOnArguments(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    out.flush();
    err.flush();
    return Command(arguments);
}

}

const std::vector<TToolCommand>& ToolCommands()
{
    static const std::vector<TToolCommand> commands{
        ScheduleCommand(),
        {QStringLiteral("create"), QStringLiteral("ФАЙЛ"), RunOnArguments<RunCreateCommand>},
        {QStringLiteral("check"), QStringLiteral("ФАЙЛ"), RunOnArguments<RunCheckCommand>},
        {QStringLiteral("index"), QStringLiteral("ФАЙЛ [--today ГГГГ-ММ-ДД]"), RunOnArguments<RunIndexCommand>},
        DemoCommand(),
    };
    return commands;
}
