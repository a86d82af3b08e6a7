#include "CompanySettingsForm.h"

#include "EscapeGuard.h"
#include "FormLook.h"
#include "domain/Company.h"
#include "domain/Exception.h"
#include "ui_CompanySettingsForm.h"
#include "RequiredArgument.h"
#include "StorableText.h"

TCompanySettingsForm::TCompanySettingsForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CompanySettingsForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    UseSingleBorder(this);
    FixFormSize(this, QSize(435, 209));

    TEscapeGuard::Install(this, {m_ui->CompanyNameEdit, m_ui->BossNameEdit});
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TCompanySettingsForm::OkActionExecute);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TCompanySettingsForm::~TCompanySettingsForm() = default;

bool TCompanySettingsForm::Execute(TCompany* company)
{
    RequireArgument(company, QStringLiteral("Информация о компании не задана."));
    m_ui->CompanyNameEdit->setText(company->CompanyName);
    m_ui->BossNameEdit->setText(company->BossName);
    m_company = company;
    return exec() == QDialog::Accepted;
}

void TCompanySettingsForm::OkActionExecute()
{
    if (RefuseUnstorableText({ m_ui->CompanyNameEdit, m_ui->BossNameEdit }))
        return;
    m_company->CompanyName = m_ui->CompanyNameEdit->text();
    m_company->BossName = m_ui->BossNameEdit->text();
    m_storeOnOk.Finish(*this);
}
