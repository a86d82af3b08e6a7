#include "ResultSetExceptions.h"

EFieldNotFoundException::EFieldNotFoundException(const QString& name)
    : Exception(QStringLiteral("Поле «%1» не найдено.").arg(name))
{
}

EInvalidFieldTypeException::EInvalidFieldTypeException(const QString& name, const QString& declaredType)
    : Exception(QStringLiteral("Поле «%1» (тип «%2») не является денежным.")
                    .arg(name, declaredType.isEmpty() ? QStringLiteral("без типа") : declaredType))
{
}
