#pragma once

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

    // True when closed with "Сохранить"; only then does the record take the
    // two texts, as typed (empty ones too).
    bool Execute(TCompany* company);

private:
    std::unique_ptr<Ui::CompanySettingsForm> m_ui;
};
