#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <vector>

// Exit codes shared by every sub-command of varnel-tool.
enum TToolExitCode {
    ecSuccess = 0,
    ecFailure = 1, // the work itself failed; its message went to standard error
    ecUsage = 2    // the arguments were wrong; the reason went to standard error
};

// One sub-command of varnel-tool: `varnel-tool <Name> <arguments>`.
struct TToolCommand
{
    QString Name;
    QString Arguments; // shown after the name in the usage line
    // Runs the command on the arguments after its name and returns a
    // TToolExitCode. On ecUsage it has written only the reason; the caller
    // adds the usage line.
    int (*Run)(const QStringList& arguments, QTextStream& out, QTextStream& err);

    QString UsageLine() const
    {
        return QStringLiteral("Использование: varnel-tool %1 %2").arg(Name, Arguments);
    }
};

// Every sub-command, in the order the general usage lists them.
const std::vector<TToolCommand>& ToolCommands();
