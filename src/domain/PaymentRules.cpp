#include "PaymentRules.h"

#include "Credit.h"
#include "PaymentScheduleItem.h"

namespace PaymentRules {

QString AboveZeroMessage()
{
    return QStringLiteral("Платёж должен быть больше нуля.");
}

QString KopecksMessage()
{
    return QStringLiteral("В сумме не больше двух цифр после запятой.");
}

QString AboveDebtMessage()
{
    return QStringLiteral("Платёж не может быть больше оставшегося долга.");
}

QString AmountFault(const TCredit& credit, Money amount)
{
    if (amount <= Money())
        return AboveZeroMessage();
    if (amount.Units() % Money::UnitsPerKopeck != 0)
        return KopecksMessage();
    if (credit.RemainingDebt() - amount <= -Money::Kopeck)
        return AboveDebtMessage();
    return {};
}

Money AheadPart(const TCredit& credit, const TPaymentScheduleItem& dueRow, Money amount)
{
    const Money ahead = credit.PaymentsSum + amount - dueRow.MustBePaymentSum;
    return ahead >= Money::Kopeck ? ahead : Money();
}

}
