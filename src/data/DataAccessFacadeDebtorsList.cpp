#include "DataAccessFacade.h"

#include "DataExceptions.h"
#include "sqlite/Cp1251Codec.h"
#include "sqlite/SQLiteExceptions.h"

void TDataAccessFacade::FilterDebtorsByName(TResultSet* debtorsList, const QString& surnamePrefix)
{
    if (!debtorsList)
        return;
    if (surnamePrefix.isEmpty()) {
        ClearDebtorsFilter(debtorsList);
        return;
    }
    try {
        Cp1251::Encode(surnamePrefix);
    } catch (const ETextEncodingException&) {
        // No stored surname can hold a character the file's encoding lacks.
        debtorsList->SetFilter(QStringLiteral("0"));
        return;
    }
    // The typed text is a bound value: quotes or words in it never reach the statement.
    debtorsList->SetFilter(QStringLiteral("NamePrefixNoCase(Surname, :SurnamePrefix)"),
                           TQueryParams { { QStringLiteral("SurnamePrefix"), surnamePrefix } });
}

void TDataAccessFacade::FilterProbableDefaulters(TResultSet* debtorsList)
{
    if (debtorsList)
        debtorsList->SetFilter(QStringLiteral("ActiveDelayCount > 0"));
}

void TDataAccessFacade::ClearDebtorsFilter(TResultSet* debtorsList)
{
    if (debtorsList)
        debtorsList->SetFilter(QString());
}
