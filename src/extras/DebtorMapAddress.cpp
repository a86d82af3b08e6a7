#include "DebtorMapAddress.h"

#include "domain/Debtor.h"

#include <QStringList>

QString DebtorMapAddress(const TDebtor& debtor)
{
    // The whole address: a city name alone is ambiguous across regions.
    QStringList parts;
    for (const QString& part : {debtor.Region, debtor.District, debtor.City, debtor.Street, debtor.Building}) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts << trimmed;
    }
    return parts.join(QStringLiteral(", "));
}
