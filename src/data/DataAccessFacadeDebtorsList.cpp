#include "DataAccessFacade.h"

#include "sqlite/Cp1251Codec.h"
#include "sqlite/SQLiteExceptions.h"

TFilterCondition TDataAccessFacade::DebtorsNameCondition(const QString& typed) const
{
    try {
        Cp1251::Encode(typed);
    } catch (const ETextEncodingException&) {
        // No stored name can hold a character the file's encoding lacks.
        return { QStringLiteral("0"), {} };
    }
    return NamePrefixCondition(typed, QStringLiteral("NamePrefixNoCase(%1, :%1Prefix)"));
}
