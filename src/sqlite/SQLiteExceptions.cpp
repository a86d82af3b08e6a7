#include "SQLiteExceptions.h"

#include <sqlite3.h>

EDatabaseException::EDatabaseException(QString message, int errorCode, int extendedErrorCode)
    : Exception(std::move(message))
    , m_errorCode(errorCode)
    , m_extendedErrorCode(extendedErrorCode)
{
}

EDatabaseBusyException::EDatabaseBusyException(int errorCode, int extendedErrorCode)
    : EDatabaseException(QStringLiteral("Файл базы данных занят другой программой. "
                                        "Закройте её или повторите попытку позже."),
                         errorCode, extendedErrorCode)
{
}

namespace {

QString WriteFailureText(int errorCode)
{
    switch (errorCode & 0xff) {
    case SQLITE_READONLY:
        return QStringLiteral("Файл базы данных открыт только для чтения, записать в него ничего нельзя. "
                              "Разрешите запись в файл и в его папку, затем подключитесь к базе данных заново.");
    case SQLITE_FULL:
        return QStringLiteral("На диске не хватает места для базы данных. "
                              "Освободите место на диске и повторите попытку.");
    default:
        return QStringLiteral("Диск не дал прочитать или записать файл базы данных. "
                              "Проверьте диск (или сетевое подключение к нему) и повторите попытку.");
    }
}

}

EDatabaseWriteException::EDatabaseWriteException(int errorCode, int extendedErrorCode)
    : EDatabaseException(WriteFailureText(errorCode), errorCode, extendedErrorCode)
{
}

ETextEncodingException::ETextEncodingException(const QString& text, const QString& character)
    : Exception(QStringLiteral("Текст «%1» нельзя сохранить в базе данных: знака «%2» нет в кодировке Windows-1251.")
                    .arg(text, character))
{
}
