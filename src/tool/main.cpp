// varnel-tool: the command-line companion of Varnel.
#include "ToolCommands.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnel-tool"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunToolCommand(QCoreApplication::arguments().mid(1), out, err);
}
