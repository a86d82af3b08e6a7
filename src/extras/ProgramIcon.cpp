#include "ProgramIcon.h"

// The pictures live in a static library: they are linked in only when named here.
static void InitExtrasIcons()
{
    Q_INIT_RESOURCE(ExtrasIcons);
}

QIcon ProgramIcon()
{
    InitExtrasIcons();
    QIcon icon;
    for (const char* size : {"32", "64", "256"})
        icon.addFile(QStringLiteral(":/varnel/varnel-%1.png").arg(QLatin1String(size)));
    return icon;
}
