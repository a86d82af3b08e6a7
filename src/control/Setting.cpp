#include "Setting.h"

#include "SettingsList.h"

TSetting::TSetting(QString section, QString ident)
    : m_section(std::move(section))
    , m_ident(std::move(ident))
{
}

void TSetting::SetValue(const QString& value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_modified = true;
    if (m_list)
        m_list->SettingChanged(*this);
}
