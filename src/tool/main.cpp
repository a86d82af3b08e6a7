// varnel-tool: the command-line companion of Varnel.
#include "ToolCommands.h"

#include <QGuiApplication>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    // Documents are laid out with fonts, which need a (screenless) GUI
    // application; every other command keeps to the core.
    const bool rendersDocuments = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (rendersDocuments && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app = rendersDocuments ? std::make_unique<QGuiApplication>(argc, argv)
                                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnel-tool"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunToolCommand(QCoreApplication::arguments().mid(1), out, err);
}
