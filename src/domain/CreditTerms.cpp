#include "CreditTerms.h"

#include "Credit.h"

namespace CreditTerms {

QString ContractNumberMissingMessage()
{
    return QStringLiteral("Введите номер договора.");
}

QString ContractDateMissingMessage()
{
    return QStringLiteral("Введите дату договора.");
}

QString SizeTooSmallMessage()
{
    return QStringLiteral("Кредит не может быть меньше одного рубля.");
}

QString SizeKopecksMessage()
{
    return QStringLiteral("В сумме не больше двух цифр после запятой.");
}

QString PeriodMessage()
{
    return QStringLiteral("Срок кредита: от 1 до %1 месяцев.").arg(MaxPeriod);
}

QString PercentMessage()
{
    return QStringLiteral("Введите ставку: целое число процентов в год.");
}

QString PaymentDayMessage()
{
    return QStringLiteral("Число выплаты: от 1 до 28.");
}

QString Fault(const TCredit& terms)
{
    if (terms.ContractNumber.isEmpty())
        return ContractNumberMissingMessage();
    if (terms.ContractDate.IsZero())
        return ContractDateMissingMessage();
    if (terms.CreditSize < MinSize)
        return SizeTooSmallMessage();
    if (terms.CreditSize.Units() % Money::UnitsPerKopeck != 0)
        return SizeKopecksMessage();
    if (terms.CreditPeriod < 1 || terms.CreditPeriod > MaxPeriod)
        return PeriodMessage();
    if (terms.YearPercent < 0)
        return PercentMessage();
    if (terms.PaymentDay < 1 || terms.PaymentDay > 28)
        return PaymentDayMessage();
    return {};
}

}
