#pragma once

#include "CustomFileNameComposer.h"

// A folder made of a base folder and the company, product and version
// sub-folders (each only when given).
class TFileNameComposer : public TCustomFileNameComposer
{
public:
    using TCustomFileNameComposer::TCustomFileNameComposer;

    QString CompanyName() const { return m_companyName; }
    void SetCompanyName(const QString& value) { m_companyName = value; }
    QString ProductName() const { return m_productName; }
    void SetProductName(const QString& value) { m_productName = value; }
    QString Version() const { return m_version; }
    void SetVersion(const QString& value) { m_version = value; }

    // The base folder, or the program's own folder when the base is empty.
    QString GetFolder() const override;

protected:
    virtual QString GetBaseFolder() const = 0;

private:
    QString m_companyName;
    QString m_productName;
    QString m_version;
};
