// varnel-tool: the command-line companion of Varnel.
#include "ToolCommand.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnel-tool"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString name = arguments.isEmpty() ? QString() : arguments.takeFirst();
    for (const TToolCommand& command : ToolCommands()) {
        if (command.Name != name)
            continue;
        const int code = command.Run(arguments, out, err);
        if (code == ecUsage)
            err << command.UsageLine() << '\n';
        return code;
    }

    if (!name.isEmpty())
        err << QStringLiteral("Неизвестная команда: %1").arg(name) << '\n';
    for (const TToolCommand& command : ToolCommands())
        err << command.UsageLine() << '\n';
    return ecUsage;
}
