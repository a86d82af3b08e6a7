#pragma once

#include "TestEnvironment.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

// A temporary folder with its own APPDATA, so that the start-up reads and
// writes the settings file there, as the program composes its path.
class TStartupSandbox
{
public:
    TStartupSandbox()
        : m_appData("APPDATA", Dir().filePath(QStringLiteral("AppData")).toUtf8())
        , m_settingsFile(Dir().filePath(QStringLiteral("AppData/Tolvik/Varnel/1.0/Settings.ini")))
    {
    }

    QDir Dir() const { return QDir(m_dir.path()); }

    void StoreConnectionString(const QString& value)
    {
        QSettings(m_settingsFile, QSettings::IniFormat).setValue(Key(), value);
    }
    // What the settings file holds now; invalid when the key is missing.
    QVariant StoredConnectionString() const { return QSettings(m_settingsFile, QSettings::IniFormat).value(Key()); }

private:
    static QString Key() { return QStringLiteral("DataSourceConnectionString/ConnectionString"); }

    QTemporaryDir m_dir;
    TTestEnvironment m_appData;
    QString m_settingsFile;
};
