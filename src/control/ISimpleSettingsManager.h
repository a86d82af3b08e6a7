#pragma once

#include <QString>

class ISetting;
class TCustomFileNameComposer;

// The settings store as the start-up sees it.
class ISimpleSettingsManager
{
public:
    virtual TCustomFileNameComposer* GetFileNameComposer() const = 0;
    // The composer is borrowed, not owned.
    virtual void SetFileNameComposer(TCustomFileNameComposer* composer) = 0;
    // Never absent: a setting missing everywhere is created with the default.
    virtual ISetting& GetSetting(const QString& section, const QString& ident, const QString& defaultValue) = 0;
    virtual void SetSettingValue(const QString& section, const QString& ident, const QString& value) = 0;

protected:
    ~ISimpleSettingsManager() = default;
};
