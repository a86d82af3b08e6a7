#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class TToolOptions;

// Exit codes shared by every sub-command of varnel-tool.
enum TToolExitCode {
    ecSuccess = 0,
    ecFailure = 1, // the work itself failed; its message went to standard error
    ecUsage = 2    // the arguments were wrong; the reason went to standard error
};

// One sub-command of varnel-tool: `varnel-tool <Name> <Synopsis>`.
//
// A command names its options and how many files it takes, reads them into
// its own fields in ReadOptions (a mistake goes to options.Refuse) and does
// its work in Execute. Run does the rest alike for every command: parsing,
// the usage exit code, and an Exception written to standard error as a failure.
class TToolCommand
{
public:
    virtual ~TToolCommand() = default;

    virtual QString Name() const = 0;
    // Shown after the name in the usage line.
    virtual QString Synopsis() const = 0;

    // Runs the command on the arguments after its name and returns a
    // TToolExitCode. On ecUsage it has written only the reason; the caller
    // adds the usage line.
    int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);
    QString UsageLine() const;

protected:
    // The names of the options, without "--".
    virtual QStringList OptionNames() const { return {}; }
    // The names of the options given without a value.
    virtual QStringList FlagNames() const { return {}; }
    // How many file names (arguments without "--") the command takes at most.
    virtual int FileCount() const { return 0; }
    virtual void ReadOptions(TToolOptions& options) = 0;
    // Returns ecSuccess or ecFailure (with the reason written to err).
    virtual int Execute(QTextStream& out, QTextStream& err) = 0;
};
