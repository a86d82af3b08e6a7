#include "ProgramVersion.h"

QString ProgramVersion()
{
    return QStringLiteral(VARNEL_VERSION);
}
