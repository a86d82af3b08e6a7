#include "SQLiteExceptions.h"

EDatabaseException::EDatabaseException(QString message, int errorCode, int extendedErrorCode)
    : Exception(std::move(message))
    , m_errorCode(errorCode)
    , m_extendedErrorCode(extendedErrorCode)
{
}

ETextEncodingException::ETextEncodingException(const QString& text, const QString& character)
    : Exception(QStringLiteral("Текст «%1» нельзя сохранить в базе данных: знака «%2» нет в кодировке Windows-1251.")
                    .arg(text, character))
{
}
