#include "ReportVariables.h"

void AddReportVariable(QStringList& variables, const QString& name, const QString& value)
{
    variables.append(QStringLiteral("%1=%2").arg(name, value));
}

QString ReportVariable(const QStringList& variables, const QString& name)
{
    for (const QString& line : variables) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString lineName = equals < 0 ? line : line.left(equals);
        if (lineName.compare(name, Qt::CaseInsensitive) == 0)
            return equals < 0 ? QString() : line.mid(equals + 1);
    }
    return QString();
}
