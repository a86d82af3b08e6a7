#pragma once

#include <QString>
#include <vector>

// The settings store: an INI file of sections and keys, read lazily, kept in
// memory, and written once when the store is destroyed. Only values that
// were changed (or created from a default) are written; every other entry of
// the file stays as it is.
class TSimpleSettingsManager
{
public:
    // The one key the program keeps: the loan book opened last.
    static const QString ConnectionStringSection;
    static const QString ConnectionStringIdent;

    // The program's settings file: Tolvik/Varnel/1.0/Settings.ini under
    // APPDATA when it is set, otherwise the per-user configuration folder
    // ($XDG_CONFIG_HOME, else ~/.config). Shared by the program and
    // varnel-tool, so that both read and write the very same file.
    static QString ProgramFileName();
    // Its folder, ending with a separator.
    static QString ProgramFolder();

    // Without a name, the program's settings file, composed anew at each
    // look into it (the environment decides).
    explicit TSimpleSettingsManager(QString fileName = QString());
    TSimpleSettingsManager(const TSimpleSettingsManager&) = delete;
    TSimpleSettingsManager& operator=(const TSimpleSettingsManager&) = delete;
    ~TSimpleSettingsManager();

    // The file looked into last; before that, the one that will be.
    QString FileName() const;
    // The folder of FileName, with a trailing separator.
    QString GetSettingsFolder() const;

    // Why the settings file cannot be used (a folder, a pipe, a device in
    // its place), in Russian; empty when it can or does not exist yet. Such
    // a file is neither read nor written: its settings are the defaults.
    QString FileProblem() const;

    // The value kept in memory, else the one in the file, else the default
    // (which is then written on save). Sections and keys are case-sensitive.
    QString GetSetting(const QString& section, const QString& ident, const QString& defaultValue);
    // A value differing from the current one (case-sensitive) is written on save.
    void SetSettingValue(const QString& section, const QString& ident, const QString& value);

    // Writes the modified settings. Failures are swallowed: the settings are
    // then simply not saved. Runs by itself when the store is destroyed.
    void SaveSettings();
    // Forgets every change, so that a store only read from writes nothing.
    void DiscardChanges();

private:
    struct TSetting
    {
        QString Section;
        QString Ident;
        QString Value;
        bool Modified = false;
    };

    TSetting& Setting(const QString& section, const QString& ident, const QString& defaultValue);
    QString ComposeFileName() const;
    void WriteModifiedSettings();

    // Given to the constructor; empty for the program's settings file.
    QString m_givenFileName;
    // The file looked into last, where the settings are saved.
    QString m_fileName;
    // In the order they were first asked for.
    std::vector<TSetting> m_settings;
};
