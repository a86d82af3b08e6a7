#include "DebtorDetails.h"

#include "Debtor.h"

namespace DebtorDetails {

QString SurnameMissingMessage()
{
    return QStringLiteral("Введите фамилию.");
}

QString NameMissingMessage()
{
    return QStringLiteral("Введите имя.");
}

bool Same(const TDebtor& a, const TDebtor& b)
{
    return SamePerson(a, b) && a.Telephone == b.Telephone && a.PostCode == b.PostCode && a.Region == b.Region
        && a.District == b.District && a.City == b.City && a.Street == b.Street && a.Building == b.Building
        && a.Flat == b.Flat && a.PassportSeries == b.PassportSeries && a.PassportNumber == b.PassportNumber
        && a.PassportInfo == b.PassportInfo;
}

bool SamePerson(const TDebtor& a, const TDebtor& b)
{
    return a.Surname == b.Surname && a.GetName() == b.GetName() && a.PatronymicName == b.PatronymicName;
}

QString Fault(const TDebtor& debtor)
{
    if (debtor.Surname.trimmed().isEmpty())
        return SurnameMissingMessage();
    if (debtor.GetName().trimmed().isEmpty())
        return NameMissingMessage();
    return {};
}

}
