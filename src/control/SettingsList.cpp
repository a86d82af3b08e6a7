#include "SettingsList.h"

TSetting* TSettingsList::Add(std::unique_ptr<TSetting> setting)
{
    setting->BindToList(this);
    TSetting* added = TOwningList<TSetting>::Add(std::move(setting));
    if (m_onChange)
        m_onChange(*this);
    return added;
}

TSetting* TSettingsList::Find(const QString& section, const QString& ident) const
{
    for (const auto& setting : m_items)
        if (setting->Section() == section && setting->Ident() == ident)
            return setting.get();
    return nullptr;
}

void TSettingsList::SettingChanged(TSetting& setting)
{
    if (m_onSettingChange)
        m_onSettingChange(*this, setting);
}
