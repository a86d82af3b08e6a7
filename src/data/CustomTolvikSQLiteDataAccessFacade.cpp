#include "CustomTolvikSQLiteDataAccessFacade.h"

bool TCustomTolvikSQLiteDataAccessFacade::VerifyDBVersion(const IDBVersionRef& required, IDBVersionRef& found)
{
    const TDBVersionFieldNames names { QStringLiteral("QDBVersion"),     QStringLiteral("DBType"),
                                       QStringLiteral("MajorVersion"),   QStringLiteral("MinorVersion"),
                                       QStringLiteral("ReleaseVersion"), QStringLiteral("BuildVersion") };
    return CheckVersionByFieldNames(names, required, found);
}
