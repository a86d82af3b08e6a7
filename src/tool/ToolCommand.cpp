#include "ToolCommand.h"

#include "ToolOptions.h"

#include "domain/Exception.h"

int TToolCommand::Run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolOptions options(arguments, OptionNames(), FileCount(), FlagNames());
    ReadOptions(options);
    if (!options.Error().isEmpty()) {
        err << options.Error() << '\n';
        return ecUsage;
    }
    try {
        return Execute(out, err);
    } catch (const Exception& error) {
        err << error.Message() << '\n';
        return ecFailure;
    }
}

QString TToolCommand::UsageLine() const
{
    return QStringLiteral("Использование: varnel-tool %1 %2").arg(Name(), Synopsis());
}
