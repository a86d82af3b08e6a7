#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

// The type and version of a loan-book file.
class IDBVersion
{
public:
    virtual int GetDBType() const = 0;
    virtual int GetMajorVersion() const = 0;
    virtual int GetMinorVersion() const = 0;
    virtual int GetReleaseVersion() const = 0;
    virtual int GetBuildVersion() const = 0;

    virtual ~IDBVersion() = default;
};

// Version records are shared: the last reference frees the record.
using IDBVersionRef = std::shared_ptr<const IDBVersion>;

class TCustomDBVersionObject : public IDBVersion
{
};

class TDBVersionObject : public TCustomDBVersionObject
{
public:
    // DBType -1 means that no type is given.
    TDBVersionObject(int dbType, int majorVersion, int minorVersion, int releaseVersion, int buildVersion);

    static IDBVersionRef Create(int dbType, int majorVersion, int minorVersion, int releaseVersion, int buildVersion);

    int GetDBType() const override { return DBType; }
    int GetMajorVersion() const override { return MajorVersion; }
    int GetMinorVersion() const override { return MinorVersion; }
    int GetReleaseVersion() const override { return ReleaseVersion; }
    int GetBuildVersion() const override { return BuildVersion; }

private:
    const int DBType;
    const int MajorVersion;
    const int MinorVersion;
    const int ReleaseVersion;
    const int BuildVersion;
};

// A version field as the file holds it (a 64-bit integer) in the record's
// 32 bits; a value that does not fit raises EConvertError instead of wrapping
// round into another version.
int DBVersionField(qint64 value);

// The four version parts written one after the other as decimals and read as one
// number: 0.0.0.3 gives 3, 1.10.0.0 gives 11000. -1 for no record. A number
// beyond 32 bits raises EConvertError.
int DBVersionToNumber(const IDBVersion* version);

// Found has Required's type (unless that is -1) and at least its version number.
bool CompareDBVersions(const IDBVersion* required, const IDBVersion* found);

// "Тип: «2» Версия: «0.0.0.3»"; a type of -1 is shown as "-".
QString DescribeVersion(const IDBVersion* version);

// The type and version the program works with: type 2, version 0.0.0.3.
IDBVersionRef RequiredDBVersion();
