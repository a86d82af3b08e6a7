#pragma once

#include "CustomFileNameComposer.h"
#include "ISimpleSettingsManager.h"
#include "SettingsList.h"

#include <QPointer>

// The settings store: an INI file of sections and keys, read lazily, kept in
// memory, and written once when the store is destroyed. Only values that
// were changed (or created from a default) are written; every other entry of
// the file stays as it is.
class TSimpleSettingsManager : public ISimpleSettingsManager
{
public:
    TSimpleSettingsManager() = default;
    TSimpleSettingsManager(const TSimpleSettingsManager&) = delete;
    TSimpleSettingsManager& operator=(const TSimpleSettingsManager&) = delete;
    virtual ~TSimpleSettingsManager();

    TCustomFileNameComposer* GetFileNameComposer() const override;
    void SetFileNameComposer(TCustomFileNameComposer* composer) override;
    ISetting& GetSetting(const QString& section, const QString& ident, const QString& defaultValue) override;
    void SetSettingValue(const QString& section, const QString& ident, const QString& value) override;

    // The last composed settings file name.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& value) { m_fileName = value; }

    // The composer's folder and file name; without a composer, FileName.
    QString ComposeFileName() const;
    // The folder of FileName, with a trailing separator.
    QString GetSettingsFolder() const;

    // Why the composed settings file cannot be used (a folder, a pipe, a
    // device in its place), in Russian; empty when it can or does not exist
    // yet. Such a file is neither read nor written: its settings are the defaults.
    QString FileProblem() const;

    // Writes the modified settings. Failures are swallowed: the settings are
    // then simply not saved. Runs by itself when the store is destroyed.
    void SaveSettings();
    // Forgets every change, so that a store only read from writes nothing.
    void DiscardChanges();

    // A setting was added / a setting's value changed.
    void SetOnChange(TSettingsList::TChangeEvent handler) { m_settings.SetOnChange(std::move(handler)); }
    void SetOnSettingChange(TSettingsList::TSettingChangeEvent handler)
    {
        m_settings.SetOnSettingChange(std::move(handler));
    }

protected:
    virtual std::unique_ptr<TSetting> CreateSetting(const QString& section, const QString& ident);

private:
    void WriteModifiedSettings();
    // False for a file that exists and is no regular file: reading or writing a pipe waits for ever.
    static bool Usable(const QString& fileName);

    QString m_fileName;
    // The start-up controller owns the composer and goes first at the end.
    QPointer<TCustomFileNameComposer> m_composer;
    TSettingsList m_settings;
};

// The program's settings store, created on first use.
TSimpleSettingsManager& SettingsManager();
// Destroys the settings store, which writes the settings file.
void FreeSettingsManager();
