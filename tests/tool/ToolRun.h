#pragma once

// Runs varnel-tool for the tests of its commands: the built program as a user
// would, or its commands in the test's own process.

#include "tool/ToolCommands.h"

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run
{
    int ExitCode = -1; // -1: did not finish normally within a minute
    QString Out;
    QString Err;
};

inline Run RunTool(const QStringList& arguments, const QString& workingDirectory = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VARNEL_BIN_DIR "/varnel-tool"), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.ExitCode = process.exitCode();
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The commands of varnel-tool in the test's own process (the test links
// varnel_tool); the outputs come without their surrounding line ends.
inline Run RunToolInProcess(const QStringList& arguments)
{
    QString out;
    QString err;
    Run run;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        run.ExitCode = RunToolCommand(arguments, outStream, errStream);
    }
    run.Out = out.trimmed();
    run.Err = err.trimmed();
    return run;
}
