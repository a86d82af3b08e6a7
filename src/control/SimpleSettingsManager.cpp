#include "SimpleSettingsManager.h"

#include "FileChecks.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
QString IniKey(const QString& section, const QString& ident)
{
    return section + QLatin1Char('/') + ident;
}
}

TSimpleSettingsManager::~TSimpleSettingsManager()
{
    SaveSettings();
}

TCustomFileNameComposer* TSimpleSettingsManager::GetFileNameComposer() const
{
    return m_composer;
}

void TSimpleSettingsManager::SetFileNameComposer(TCustomFileNameComposer* composer)
{
    m_composer = composer;
}

QString TSimpleSettingsManager::ComposeFileName() const
{
    if (m_composer)
        return m_composer->GetFolder() + m_composer->JustFileName();
    return m_fileName;
}

QString TSimpleSettingsManager::GetSettingsFolder() const
{
    // Before the first look into the file, the name it will have.
    const QString fileName = m_fileName.isEmpty() ? ComposeFileName() : m_fileName;
    if (fileName.isEmpty())
        return QString();
    return QFileInfo(fileName).absolutePath() + QLatin1Char('/');
}

ISetting& TSimpleSettingsManager::GetSetting(const QString& section, const QString& ident,
                                             const QString& defaultValue)
{
    if (TSetting* known = m_settings.Find(section, ident))
        return *known;

    m_fileName = ComposeFileName();
    if (!m_fileName.isEmpty() && QFileInfo(m_fileName).isFile()) {
        const QSettings ini(m_fileName, QSettings::IniFormat);
        const QString key = IniKey(section, ident);
        if (ini.contains(key)) {
            auto setting = CreateSetting(section, ident);
            // A value with unquoted commas comes back as a list; it is one text here.
            const QVariant value = ini.value(key);
            setting->SetValue(value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                      : value.toString());
            TSetting* added = m_settings.Add(std::move(setting));
            added->SetModified(false);
            return *added;
        }
    }

    auto setting = CreateSetting(section, ident);
    setting->SetValue(defaultValue);
    TSetting* added = m_settings.Add(std::move(setting));
    added->SetModified(true);
    return *added;
}

void TSimpleSettingsManager::SetSettingValue(const QString& section, const QString& ident, const QString& value)
{
    GetSetting(section, ident, QString()).SetValue(value);
}

std::unique_ptr<TSetting> TSimpleSettingsManager::CreateSetting(const QString& section, const QString& ident)
{
    return std::make_unique<TSetting>(section, ident);
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
    for (const auto& setting : m_settings)
        setting->SetModified(false);
}

bool TSimpleSettingsManager::Usable(const QString& fileName)
{
    const QFileInfo info(fileName);
    return !info.exists() || info.isFile();
}

QString TSimpleSettingsManager::FileProblem() const
{
    const QString fileName = ComposeFileName();
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return QString();
    return DescribeUnreadableFile(fileName);
}

void TSimpleSettingsManager::WriteModifiedSettings()
{
    if (!Usable(m_fileName))
        return;
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath()))
        return;
    QSettings ini(m_fileName, QSettings::IniFormat);
    bool anyModified = false;
    for (const auto& setting : m_settings) {
        if (setting->Modified()) {
            ini.setValue(IniKey(setting->Section(), setting->Ident()), setting->Value());
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

TSimpleSettingsManager& SettingsManager()
{
    return TSingleInstance<TSimpleSettingsManager>::Get();
}

void FreeSettingsManager()
{
    TSingleInstance<TSimpleSettingsManager>::Free();
}
