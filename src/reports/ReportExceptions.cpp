#include "ReportExceptions.h"

EReportNotFoundException::EReportNotFoundException(const QString& path)
    : EReportManagerException(QStringLiteral("Отчет %1 не найден.").arg(path))
{
}
