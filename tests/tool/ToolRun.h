#pragma once

// Runs the built varnel-tool as a user would, for the tests of its commands.

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
