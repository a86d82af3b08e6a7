#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The type and version of a loan-book file, as its QDBVersion row holds them.
struct TDBVersion
{
    int DBType = -1; // -1: no type given
    int MajorVersion = 0;
    int MinorVersion = 0;
    int ReleaseVersion = 0;
    int BuildVersion = 0;
};

// A version field as the file holds it (a 64-bit integer) in the record's
// 32 bits; a value that does not fit raises EConvertError instead of wrapping
// round into another version.
int DBVersionField(qint64 value);

// The four version parts written one after the other as decimals and read as one
// number: 0.0.0.3 gives 3, 1.10.0.0 gives 11000. A number beyond 32 bits raises EConvertError.
int DBVersionToNumber(const TDBVersion& version);

// Found has Required's type (unless that is -1) and at least its version number.
bool CompareDBVersions(const TDBVersion& required, const TDBVersion& found);

// "Тип: «2» Версия: «0.0.0.3»"; a type of -1 is shown as "-"; nothing read, nothing said.
QString DescribeVersion(const std::optional<TDBVersion>& version);

// The type and version the program works with: type 2, version 0.0.0.3.
TDBVersion RequiredDBVersion();
