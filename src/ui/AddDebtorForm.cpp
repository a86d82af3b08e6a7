#include "AddDebtorForm.h"

#include "ui_AddDebtorForm.h"

#include "EscapeGuard.h"
#include "FormLook.h"
#include "RequiredArgument.h"
#include "ui/controls/FieldFault.h"
#include "StorableText.h"

#include "domain/Debtor.h"
#include "domain/DebtorDetails.h"
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
    QList<QWidget*> fields{m_ui->NameEdit};
    for (const TFieldBinding& binding : FieldBindings())
        fields.append(binding.Edit);
    TEscapeGuard::Install(this, fields);
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

std::array<TAddDebtorForm::TMandatoryField, 4> TAddDebtorForm::MandatoryFields() const
{
    return {{
        {m_ui->SurnameEdit, DebtorDetails::SurnameMissingMessage()},
        {m_ui->NameEdit, DebtorDetails::NameMissingMessage()},
        {m_ui->PassportSeriesEdit, QStringLiteral("Введите серию паспорта.")},
        {m_ui->PassportNumberEdit, QStringLiteral("Введите номер паспорта.")},
    }};
}

QList<QWidget*> TAddDebtorForm::MandatoryEdits() const
{
    QList<QWidget*> edits;
    for (const TMandatoryField& mandatory : MandatoryFields())
        edits.append(mandatory.Edit);
    return edits;
}

bool TAddDebtorForm::Validate()
{
    // Not trimmed on purpose: what is typed is what gets stored. Many people
    // (foreign citizens among them) have no patronymic.
    QList<TFieldFault> faults;
    for (const TMandatoryField& mandatory : MandatoryFields())
        if (mandatory.Edit->text().isEmpty())
            faults.append({mandatory.Edit, mandatory.Reason});
    // Said only once OK was tried, then kept up to date as the fields are filled.
    const bool shown = OkTried() && !faults.isEmpty();
    m_ui->ErrorsInfoLabel->setText(shown ? FaultsMessage(QStringLiteral("Данные должника введены неверно."), faults)
                                         : QString());
    ShowFieldFaults(MandatoryEdits(), shown ? faults : QList<TFieldFault>());
    return faults.isEmpty();
}

void TAddDebtorForm::PassportNumberEditChange()
{
    Validate();
}

void TAddDebtorForm::OkActionExecute()
{
    NoteOkTried();
    if (!Validate()) {
        FocusFirstFault(MandatoryEdits());
        ShakeWithDisabled(m_ui->OkButton);
        return;
    }
    QList<QLineEdit*> fields { m_ui->NameEdit };
    for (const TFieldBinding& binding : FieldBindings())
        fields << binding.Edit;
    if (RefuseUnstorableText(fields, m_ui->ErrorsInfoLabel)) {
        ShakeWithDisabled(m_ui->OkButton);
        return;
    }
    m_debtor->SetName(m_ui->NameEdit->text());
    for (const TFieldBinding& binding : FieldBindings())
        m_debtor->*binding.Field = binding.Edit->text();
    m_storeOnOk.Finish(*this);
}
