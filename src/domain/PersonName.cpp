#include "PersonName.h"

#include <QStringList>

QString FullName(const QString& surname, const QString& name, const QString& patronymic)
{
    QStringList parts;
    for (const QString& part : {surname, name, patronymic})
        if (const QString trimmed = part.trimmed(); !trimmed.isEmpty())
            parts << trimmed;
    return parts.join(QLatin1Char(' '));
}
