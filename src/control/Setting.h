#pragma once

#include "ISetting.h"

class TSettingsList;

// A setting held by its list; Modified means it must be written on save.
class TSetting : public ISetting
{
public:
    TSetting(QString section, QString ident);
    virtual ~TSetting() = default;

    // Replaces the value unless it is the same (case-sensitive); a change
    // marks the setting modified and tells the owning list.
    void SetValue(const QString& value) override;
    QString Ident() const override { return m_ident; }
    QString Section() const override { return m_section; }
    QString Value() const override { return m_value; }

    bool Modified() const { return m_modified; }
    void SetModified(bool value) { m_modified = value; }

    // Called by the list that takes the setting.
    void BindToList(TSettingsList* list) { m_list = list; }

private:
    QString m_section;
    QString m_ident;
    QString m_value;
    bool m_modified = false;
    TSettingsList* m_list = nullptr;
};
