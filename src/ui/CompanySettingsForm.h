#pragma once

#include "StoreOnOk.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CompanySettingsForm;
}

class TCompany;

// Edits the lender's name and its director's name used in reports.
class TCompanySettingsForm : public QDialog
{
    Q_OBJECT

public:
    explicit TCompanySettingsForm(QWidget* parent = nullptr);
    ~TCompanySettingsForm() override;

    // True when closed with "Сохранить"; the record takes the two texts, as
    // typed (empty ones too), when it is pressed.
    bool Execute(TCompany* company);
    // Stored when OK is pressed, before the dialog closes (see TStoreOnOk).
    void SetStoreOnOk(std::function<void()> store) { m_storeOnOk.Set(std::move(store)); }

private:
    void OkActionExecute();

    std::unique_ptr<Ui::CompanySettingsForm> m_ui;
    TCompany* m_company = nullptr;
    TStoreOnOk m_storeOnOk;
};
