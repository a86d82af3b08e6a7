#include "SimpleSettingsManager.h"

#include "FileChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

const QString TSimpleSettingsManager::ConnectionStringSection = QStringLiteral("DataSourceConnectionString");
const QString TSimpleSettingsManager::ConnectionStringIdent = QStringLiteral("ConnectionString");

namespace {
QString IniKey(const QString& section, const QString& ident)
{
    return section + QLatin1Char('/') + ident;
}

// False for a file that exists and is no regular file: reading or writing a pipe waits for ever.
bool Usable(const QString& fileName)
{
    const QFileInfo info(fileName);
    return !info.exists() || info.isFile();
}

QString ApplicationDataFolder()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return appData;
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty())
        return configHome;
    return QDir::homePath() + QStringLiteral("/.config");
}
}

QString TSimpleSettingsManager::ProgramFolder()
{
    QString folder = QDir::fromNativeSeparators(ApplicationDataFolder());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("Tolvik/Varnel/1.0/");
}

QString TSimpleSettingsManager::ProgramFileName()
{
    return ProgramFolder() + QStringLiteral("Settings.ini");
}

TSimpleSettingsManager::TSimpleSettingsManager(QString fileName)
    : m_givenFileName(std::move(fileName))
{
}

TSimpleSettingsManager::~TSimpleSettingsManager()
{
    SaveSettings();
}

QString TSimpleSettingsManager::ComposeFileName() const
{
    return m_givenFileName.isEmpty() ? ProgramFileName() : m_givenFileName;
}

QString TSimpleSettingsManager::FileName() const
{
    return m_fileName.isEmpty() ? ComposeFileName() : m_fileName;
}

QString TSimpleSettingsManager::GetSettingsFolder() const
{
    return QFileInfo(FileName()).absolutePath() + QLatin1Char('/');
}

QString TSimpleSettingsManager::FileProblem() const
{
    const QString fileName = ComposeFileName();
    if (!QFileInfo::exists(fileName))
        return QString();
    return DescribeUnreadableFile(fileName);
}

TSimpleSettingsManager::TSetting& TSimpleSettingsManager::Setting(const QString& section, const QString& ident,
                                                                  const QString& defaultValue)
{
    for (TSetting& known : m_settings)
        if (known.Section == section && known.Ident == ident)
            return known;

    m_fileName = ComposeFileName();
    if (QFileInfo(m_fileName).isFile()) {
        const QSettings ini(m_fileName, QSettings::IniFormat);
        const QString key = IniKey(section, ident);
        if (ini.contains(key)) {
            // A value with unquoted commas comes back as a list; it is one text here.
            const QVariant value = ini.value(key);
            return m_settings.emplace_back(TSetting{
                section, ident,
                value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString(),
                false});
        }
    }
    return m_settings.emplace_back(TSetting{section, ident, defaultValue, true});
}

QString TSimpleSettingsManager::GetSetting(const QString& section, const QString& ident, const QString& defaultValue)
{
    return Setting(section, ident, defaultValue).Value;
}

void TSimpleSettingsManager::SetSettingValue(const QString& section, const QString& ident, const QString& value)
{
    TSetting& setting = Setting(section, ident, QString());
    if (setting.Value == value)
        return;
    setting.Value = value;
    setting.Modified = true;
}

void TSimpleSettingsManager::SaveSettings()
{
    if (m_fileName.isEmpty())
        return;
    try {
        WriteModifiedSettings();
    } catch (...) {
        // Losing the settings must never stop the program from ending.
    }
}

void TSimpleSettingsManager::DiscardChanges()
{
    for (TSetting& setting : m_settings)
        setting.Modified = false;
}

void TSimpleSettingsManager::WriteModifiedSettings()
{
    if (!Usable(m_fileName))
        return;
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath()))
        return;
    QSettings ini(m_fileName, QSettings::IniFormat);
    bool anyModified = false;
    for (const TSetting& setting : m_settings) {
        if (setting.Modified) {
            ini.setValue(IniKey(setting.Section, setting.Ident), setting.Value);
            anyModified = true;
        }
    }
    if (!anyModified)
        return;
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return;
    // Written: saving again writes nothing twice.
    DiscardChanges();
}
