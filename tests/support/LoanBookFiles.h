#pragma once

#include "data/LoanBookFile.h"
#include "sqlite/SQLiteConnection.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Loan-book files for the start-up tests, made in the given folder.
namespace LoanBookFiles {

// A new, empty loan book of the version the program works with.
inline QString Good(const QDir& dir, const QString& name = QStringLiteral("good.s3db"))
{
    const QString fileName = dir.filePath(name);
    CreateLoanBookFile(fileName);
    return fileName;
}

// A loan book whose version record has been changed afterwards.
inline QString WithVersion(const QDir& dir, const QString& name, const QString& typeAndVersion)
{
    const QString fileName = Good(dir, name);
    const QStringList parts = typeAndVersion.split(QLatin1Char(','));
    TSQLiteConnection connection;
    connection.SetFileName(fileName);
    connection.Execute(QStringLiteral("UPDATE QDBVersion SET DBType = %1, MajorVersion = %2, MinorVersion = %3, "
                                      "ReleaseVersion = %4, BuildVersion = %5")
                           .arg(parts.value(0), parts.value(1), parts.value(2), parts.value(3), parts.value(4)));
    return fileName;
}

// A loan book without its version table.
inline QString WithoutVersion(const QDir& dir, const QString& name)
{
    const QString fileName = Good(dir, name);
    TSQLiteConnection connection;
    connection.SetFileName(fileName);
    connection.Execute(QStringLiteral("DROP TABLE QDBVersion"));
    return fileName;
}

// A loan book of the right version from which a table's column was dropped.
inline QString WithoutColumn(const QDir& dir, const QString& name, const char* table, const char* column)
{
    const QString fileName = Good(dir, name);
    TSQLiteConnection connection;
    connection.SetFileName(fileName);
    // Indexes and triggers naming the column would stop the drop.
    connection.Execute(QStringLiteral("DROP INDEX IF EXISTS DebtorsByName"));
    connection.Execute(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2")
                           .arg(QString::fromLatin1(table), QString::fromLatin1(column)));
    return fileName;
}

// A file that is no database at all.
inline QString TextFile(const QDir& dir, const QString& name)
{
    const QString fileName = dir.filePath(name);
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write("Не база данных, а список покупок.\n");
    return fileName;
}

}
