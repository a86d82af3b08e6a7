#include "ServerDataAccessFacade.h"

TFilterCondition TServerDataAccessFacade::DebtorsNameCondition(const QString& typed) const
{
    // Both sides folded alike: small letters (the book's ICU collation's,
    // whatever the server's locale), Ё as Е.
    return NamePrefixCondition(typed, QStringLiteral("starts_with(replace(lower(%1 COLLATE RussianNames), 'ё', 'е'), "
                                                     "replace(lower(:%1Prefix::text COLLATE RussianNames), 'ё', 'е'))"));
}
