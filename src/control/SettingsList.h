#pragma once

#include "Setting.h"
#include "domain/OwningList.h"

#include <functional>

// The settings in memory, in the order they were first asked for.
class TSettingsList : public TOwningList<TSetting>
{
public:
    using TChangeEvent = std::function<void(TSettingsList& sender)>;
    using TSettingChangeEvent = std::function<void(TSettingsList& sender, ISetting& setting)>;

    // Takes the setting and raises the change notification.
    TSetting* Add(std::unique_ptr<TSetting> setting);
    // Exact, case-sensitive match of both; nullptr when absent.
    TSetting* Find(const QString& section, const QString& ident) const;

    void SetOnChange(TChangeEvent handler) { m_onChange = std::move(handler); }
    void SetOnSettingChange(TSettingChangeEvent handler) { m_onSettingChange = std::move(handler); }

    void SettingChanged(TSetting& setting);

private:
    TChangeEvent m_onChange;
    TSettingChangeEvent m_onSettingChange;
};
