#include "PaymentRules.h"

#include "Credit.h"
#include "PaymentHistoryItem.h"
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

bool RebuiltSchedule(const TPaymentHistoryItem& payment)
{
    // Only a payment whose advance rebuilt the schedule records one.
    return payment.AheadSum != Money();
}

QString RebuiltScheduleMessage()
{
    return QStringLiteral("Этот платёж нельзя отменить: при нём был пересчитан график выплат, "
                          "и отмена платежа не вернёт прежний график.");
}

QString NoLongerLatestMessage()
{
    return QStringLiteral("Этот платёж уже не последний по кредиту: отменить можно только "
                          "последний платёж. Откройте историю платежей снова.");
}

}
