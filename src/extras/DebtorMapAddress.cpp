#include "DebtorMapAddress.h"

#include "domain/Debtor.h"

QString DebtorMapAddress(const TDebtor& debtor)
{
    return debtor.City + QLatin1Char(' ') + debtor.Street + QLatin1Char(' ') + debtor.Building;
}
