#include "DBVersion.h"

#include "DataExceptions.h"

#include <limits>

TDBVersionObject::TDBVersionObject(int dbType, int majorVersion, int minorVersion, int releaseVersion, int buildVersion)
    : DBType(dbType)
    , MajorVersion(majorVersion)
    , MinorVersion(minorVersion)
    , ReleaseVersion(releaseVersion)
    , BuildVersion(buildVersion)
{
}

IDBVersionRef TDBVersionObject::Create(int dbType, int majorVersion, int minorVersion, int releaseVersion,
                                       int buildVersion)
{
    return std::make_shared<TDBVersionObject>(dbType, majorVersion, minorVersion, releaseVersion, buildVersion);
}

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

int DBVersionToNumber(const IDBVersion* version)
{
    if (!version)
        return -1;
    const QString text = QString::number(version->GetMajorVersion()) + QString::number(version->GetMinorVersion())
        + QString::number(version->GetReleaseVersion()) + QString::number(version->GetBuildVersion());
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        RaiseNotInteger(text);
    return number;
}

bool CompareDBVersions(const IDBVersion* required, const IDBVersion* found)
{
    if (!required || !found)
        return false;
    if (required->GetDBType() != -1 && found->GetDBType() != required->GetDBType())
        return false;
    return DBVersionToNumber(found) >= DBVersionToNumber(required);
}

QString DescribeVersion(const IDBVersion* version)
{
    if (!version)
        return QString();
    const int type = version->GetDBType();
    return QStringLiteral("Тип: «%1» Версия: «%2.%3.%4.%5»")
        .arg(type == -1 ? QStringLiteral("-") : QString::number(type))
        .arg(version->GetMajorVersion())
        .arg(version->GetMinorVersion())
        .arg(version->GetReleaseVersion())
        .arg(version->GetBuildVersion());
}

IDBVersionRef RequiredDBVersion()
{
    return TDBVersionObject::Create(2, 0, 0, 0, 3);
}
