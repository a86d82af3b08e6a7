#include "AddDebtorForm.h"

#include "ui_AddDebtorForm.h"

#include "FormLook.h"
#include "RequiredArgument.h"

#include "domain/Debtor.h"
#include "domain/Exception.h"

TAddDebtorForm::TAddDebtorForm(QWidget* parent)
    : THeadShakeForm(parent)
    , m_ui(std::make_unique<Ui::TAddDebtorForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    // Captions sit level with the text of their fields, above the grey hints.
    for (QLabel* caption : {m_ui->SurnameCaption, m_ui->NameCaption, m_ui->PatronymicNameCaption,
                            m_ui->PassportCaption, m_ui->AddressCaption, m_ui->TelephoneCaption})
        caption->setMinimumHeight(m_ui->SurnameEdit->sizeHint().height());
    UseSingleBorder(this); // the layout fixes the size
    for (TConstraintedEdit* edit : {m_ui->NameEdit, m_ui->SurnameEdit, m_ui->PassportSeriesEdit,
                                    m_ui->PassportNumberEdit})
        connect(edit, &QLineEdit::textChanged, this, &TAddDebtorForm::PassportNumberEditChange);
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TAddDebtorForm::OkActionExecute);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TAddDebtorForm::~TAddDebtorForm() = default;

std::array<TAddDebtorForm::TFieldBinding, 13> TAddDebtorForm::FieldBindings() const
{
    return {{
        {m_ui->SurnameEdit, &TDebtor::Surname},
        {m_ui->PatronymicNameEdit, &TDebtor::PatronymicName},
        {m_ui->PassportSeriesEdit, &TDebtor::PassportSeries},
        {m_ui->PassportNumberEdit, &TDebtor::PassportNumber},
        {m_ui->PassportInfoEdit, &TDebtor::PassportInfo},
        {m_ui->PostCodeEdit, &TDebtor::PostCode},
        {m_ui->RegionEdit, &TDebtor::Region},
        {m_ui->DistrictEdit, &TDebtor::District},
        {m_ui->CityEdit, &TDebtor::City},
        {m_ui->StreeEdit, &TDebtor::Street},
        {m_ui->BuildingEdit, &TDebtor::Building},
        {m_ui->FlatEdit, &TDebtor::Flat},
        {m_ui->TelephoneEdit, &TDebtor::Telephone},
    }};
}

bool TAddDebtorForm::Execute(TDebtor* debtor, int mode)
{
    RequireArgument(debtor, QStringLiteral("Должник не задан."));
    m_debtor = debtor;
    if (debtor->GetID() != -1) {
        m_ui->NameEdit->setText(debtor->GetName());
        for (const TFieldBinding& binding : FieldBindings())
            binding.Edit->setText(debtor->*binding.Field);
    }
    ApplyMode(mode);
    Validate();
    return exec() == QDialog::Accepted;
}

void TAddDebtorForm::ApplyMode(int mode)
{
    if (mode == NewDebtorMode) {
        setWindowTitle(QStringLiteral("Новый должник"));
        m_ui->NoteLabel->setText(QStringLiteral("Введите данные должника."));
    } else if (mode == EditDebtorMode) {
        setWindowTitle(QStringLiteral("Редактирование должника"));
        m_ui->NoteLabel->setText(QStringLiteral("Отредактируйте данные должника."));
    }
}

bool TAddDebtorForm::Validate()
{
    // Not trimmed on purpose: what is typed is what gets stored. Many people
    // (foreign citizens among them) have no patronymic.
    bool valid = true;
    for (const TConstraintedEdit* edit : {m_ui->NameEdit, m_ui->SurnameEdit, m_ui->PassportSeriesEdit,
                                          m_ui->PassportNumberEdit})
        valid = valid && !edit->text().isEmpty();
    m_ui->ErrorsInfoLabel->setText(valid ? QString() : QStringLiteral("Данные должника введены не верно."));
    return valid;
}

void TAddDebtorForm::PassportNumberEditChange()
{
    Validate();
}

void TAddDebtorForm::OkActionExecute()
{
    if (!Validate()) {
        ShakeWithDisabled(m_ui->OkButton);
        return;
    }
    m_debtor->SetName(m_ui->NameEdit->text());
    for (const TFieldBinding& binding : FieldBindings())
        m_debtor->*binding.Field = binding.Edit->text();
    accept();
}
