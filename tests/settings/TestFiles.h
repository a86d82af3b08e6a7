#pragma once

#include <QByteArray>
#include <QFile>
#include <QTest>

// Whole-file reading and writing for the tests of the settings and history files.
inline QByteArray ReadAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& fileName, const QByteArray& content)
{
    QFile file(fileName);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(fileName));
    file.write(content);
}
