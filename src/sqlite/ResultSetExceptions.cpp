#include "ResultSetExceptions.h"

EFieldNotFoundException::EFieldNotFoundException(const QString& name)
    : Exception(QStringLiteral("Поле «%1» не найдено.").arg(name))
{
}
