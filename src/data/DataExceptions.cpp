#include "DataExceptions.h"

EDebtorNotExistsException::EDebtorNotExistsException(int debtorID)
    : EDataAccessFacadeException(QStringLiteral("Должник %1 не существует.").arg(debtorID))
{
}

ECreditNotExistsException::ECreditNotExistsException(int creditID)
    : EDataAccessFacadeException(QStringLiteral("Кредит %1 не существует.").arg(creditID))
{
}

EPaymentNotExistsException::EPaymentNotExistsException(int paymentID)
    : EDataAccessFacadeException(QStringLiteral("Платёж %1 не существует.").arg(paymentID))
{
}
