#include "SimpleStartupController.h"

#include "ClassName.h"
#include "domain/Exception.h"
#include "ui/MessageBoxes.h"

const QString TSimpleStartupController::ReconnectCaption = QStringLiteral("Проблемы при подключении к базе данных.");

QString TSimpleStartupController::DescribeVersion(const std::optional<TDBVersion>& version)
{
    return ::DescribeVersion(version);
}

QString TSimpleStartupController::VersionMismatchText(const TDBVersion& expected, const std::optional<TDBVersion>& found)
{
    QString text;
    if (found)
        text = QStringLiteral("Найдена база данных:\r\n  %1.\r\nА для корректной работы системы необходима база "
                              "данных:\r\n  %2.")
                   .arg(DescribeVersion(found), DescribeVersion(expected));
    else
        text = QStringLiteral("Не найдена информация о типе и версии базы данных.");
    return text + QStringLiteral("\r\n\r\n") + QStringLiteral("Настроить подключение снова?");
}

void TSimpleStartupController::ShowConnectionError(const Exception& error)
{
    ShowErrorBox(QStringLiteral("Ошибка"), QStringLiteral("Возникла ошибка: \r\n«") + error.Message()
                                                   + QStringLiteral("»") + QStringLiteral(" (")
                                                   + ClassNameOf(error) + QStringLiteral(")"));
}

bool TSimpleStartupController::AskReconnectAfterFailure()
{
    return AskWarningQuestion(
        ReconnectCaption,
        QStringLiteral("При подключении к базе данных возникла ошибка.\r\nНастроить подключение снова?"));
}

bool TSimpleStartupController::AskReconnectAfterVersionMismatch(const TDBVersion& expected,
                                                                const std::optional<TDBVersion>& found)
{
    return AskWarningQuestion(ReconnectCaption, VersionMismatchText(expected, found));
}
