#include "DBVersion.h"

#include "DataExceptions.h"

#include <limits>

namespace {

[[noreturn]] void RaiseNotInteger(const QString& text)
{
    throw EConvertError(QStringLiteral("«%1» не является допустимым целым числом.").arg(text));
}

}

int DBVersionField(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        RaiseNotInteger(QString::number(value));
    return int(value);
}

int DBVersionToNumber(const TDBVersion& version)
{
    const QString text = QString::number(version.MajorVersion) + QString::number(version.MinorVersion)
        + QString::number(version.ReleaseVersion) + QString::number(version.BuildVersion);
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        RaiseNotInteger(text);
    return number;
}

bool CompareDBVersions(const TDBVersion& required, const TDBVersion& found)
{
    if (required.DBType != -1 && found.DBType != required.DBType)
        return false;
    return DBVersionToNumber(found) >= DBVersionToNumber(required);
}

QString DescribeVersion(const std::optional<TDBVersion>& version)
{
    if (!version)
        return QString();
    return QStringLiteral("Тип: «%1» Версия: «%2.%3.%4.%5»")
        .arg(version->DBType == -1 ? QStringLiteral("-") : QString::number(version->DBType))
        .arg(version->MajorVersion)
        .arg(version->MinorVersion)
        .arg(version->ReleaseVersion)
        .arg(version->BuildVersion);
}

TDBVersion RequiredDBVersion()
{
    return { 2, 0, 0, 0, 3 };
}
