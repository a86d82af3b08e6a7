#include "ToolCommands.h"

#include "AddCreditCommand.h"
#include "AddDebtorCommand.h"
#include "BackupCommand.h"
#include "CancelPaymentCommand.h"
#include "CheckCommand.h"
#include "CopyCommand.h"
#include "CreateCommand.h"
#include "DeclineCommand.h"
#include "DeleteDebtorCommand.h"
#include "DemoCommand.h"
#include "IndexCommand.h"
#include "LastDatabaseCommand.h"
#include "PayCommand.h"
#include "ReportCommand.h"
#include "ScheduleCommand.h"
#include "VersionCommand.h"
#include "WordsCommand.h"

namespace {

// A new command is one more line here (and its files in CMakeLists.txt).
std::vector<std::unique_ptr<TToolCommand>> MakeCommands()
{
    std::vector<std::unique_ptr<TToolCommand>> commands;
    commands.push_back(std::make_unique<TScheduleCommand>());
    commands.push_back(std::make_unique<TCreateCommand>());
    commands.push_back(std::make_unique<TCheckCommand>());
    commands.push_back(std::make_unique<TCopyCommand>());
    commands.push_back(std::make_unique<TIndexCommand>());
    commands.push_back(std::make_unique<TDemoCommand>());
    commands.push_back(std::make_unique<TLastDatabaseCommand>());
    commands.push_back(std::make_unique<TWordsCommand>());
    commands.push_back(std::make_unique<TDeclineCommand>());
    commands.push_back(std::make_unique<TReportCommand>());
    commands.push_back(std::make_unique<TBackupCommand>());
    commands.push_back(std::make_unique<TAddDebtorCommand>());
    commands.push_back(std::make_unique<TAddCreditCommand>());
    commands.push_back(std::make_unique<TPayCommand>());
    commands.push_back(std::make_unique<TCancelPaymentCommand>());
    commands.push_back(std::make_unique<TDeleteDebtorCommand>());
    commands.push_back(std::make_unique<TVersionCommand>());
    return commands;
}

}

const std::vector<std::unique_ptr<TToolCommand>>& ToolCommands()
{
    static const std::vector<std::unique_ptr<TToolCommand>> commands = MakeCommands();
    return commands;
}

int RunToolCommand(QStringList arguments, QTextStream& out, QTextStream& err)
{
    const QString name = arguments.isEmpty() ? QString() : arguments.takeFirst();
    for (const auto& command : ToolCommands()) {
        if (command->Name() != name)
            continue;
        const int code = command->Run(arguments, out, err);
        if (code == ecUsage)
            err << command->UsageLine() << '\n';
        return code;
    }

    if (!name.isEmpty())
        err << QStringLiteral("Неизвестная команда: %1").arg(name) << '\n';
    for (const auto& command : ToolCommands())
        err << command->UsageLine() << '\n';
    return ecUsage;
}
