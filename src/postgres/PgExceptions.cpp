#include "PgExceptions.h"

namespace {

// libpq's own words (in English, over several lines) go apart, below ours.
QString WithServerMessage(const QString& what, const QString& libpqMessage)
{
    const QString detail = libpqMessage.simplified();
    return detail.isEmpty() ? what : what + QStringLiteral("\r\n\r\nСообщение сервера: ") + detail;
}

}

QString ServerConnectFailureText(const QString& libpqMessage)
{
    const QString detail = libpqMessage.trimmed();
    QString what;
    if (detail.contains(QLatin1String("authentication")) || detail.contains(QLatin1String("password")))
        what = QStringLiteral("Сервер PostgreSQL не принял имя пользователя или пароль.");
    else if (detail.contains(QLatin1String("database")) && detail.contains(QLatin1String("does not exist")))
        what = QStringLiteral("На сервере PostgreSQL нет такой базы данных.");
    else if (detail.contains(QLatin1String("Connection refused")) || detail.contains(QLatin1String("No such file")))
        what = QStringLiteral("Сервер PostgreSQL не отвечает: он не запущен или адрес указан неверно.");
    else
        what = QStringLiteral("Не удалось подключиться к серверу PostgreSQL.");
    return WithServerMessage(what, detail);
}

QString ServerConnectionLostText(const QString& libpqMessage)
{
    const QString what = QStringLiteral("Связь с сервером базы данных потеряна. Ничего не записано: действие "
                                        "отменено целиком. Повторите его, когда связь восстановится "
                                        "(«Обновить» подключается снова).");
    return WithServerMessage(what, libpqMessage);
}

QString ServerStatementFailureText(const QString& sqlState, const QString& libpqMessage)
{
    const QString detail = libpqMessage.trimmed();
    QString what;
    if (sqlState.startsWith(QLatin1String("08")) || sqlState.isEmpty())
        what = QStringLiteral("Связь с сервером PostgreSQL потеряна.");
    else if (sqlState.startsWith(QLatin1String("23")))
        what = QStringLiteral("Сервер PostgreSQL отказался записать данные: они нарушают целостность книги.");
    else if (sqlState.startsWith(QLatin1String("42501")) || sqlState.startsWith(QLatin1String("28")))
        what = QStringLiteral("У пользователя нет прав на это действие на сервере PostgreSQL.");
    else if (sqlState == QLatin1String("40001") || sqlState == QLatin1String("40P01"))
        what = QStringLiteral("Запись на сервере PostgreSQL столкнулась с работой другого пользователя; повторите действие.");
    else
        what = QStringLiteral("Ошибка сервера PostgreSQL.");
    return WithServerMessage(what, detail);
}

QString ServerPasswordNeededText(const QString& user)
{
    return QStringLiteral("Сервер PostgreSQL требует пароль пользователя «%1».").arg(user);
}

QString ServerPasswordRefusedText(const QString& user, const QString& libpqMessage)
{
    const QString what = QStringLiteral("Сервер PostgreSQL не принял пароль пользователя «%1». "
                                        "Проверьте пароль и раскладку клавиатуры.")
                             .arg(user);
    const QString detail = libpqMessage.trimmed();
    return WithServerMessage(what, detail);
}
