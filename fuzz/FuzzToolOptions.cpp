// The tool's arguments, one a line: the option reader on every kind of value,
// and the schedule command as the tool runs it. Each list is refused with a
// message or carried out; nothing else may happen. Only the schedule command
// is run: the others would make files.
#include "domain/DateTime.h"
#include "domain/Money.h"
#include "tool/ToolCommands.h"
#include "tool/ToolOptions.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList arguments
        = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));

    TToolOptions options(arguments, { QStringLiteral("size"), QStringLiteral("period"), QStringLiteral("start") }, 1);
    int period = 0;
    Money amount;
    DateTime start;
    options.Read(QStringLiteral("period"), period, false);
    options.Read(QStringLiteral("size"), amount, false);
    options.Read(QStringLiteral("start"), start, false);
    (void)options.Files();

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    RunToolCommand(QStringList { QStringLiteral("schedule") } + arguments, outStream, errStream);
    return 0;
}
