#include "AddCreditForm.h"

#include "ui_AddCreditForm.h"

#include "CreditReportInterface.h"
#include "DisplayFormats.h"
#include "EscapeGuard.h"
#include "FormLook.h"
#include "ReportListLines.h"
#include "TypedCharFilter.h"
#include "RequiredArgument.h"
#include "ui/controls/FieldFault.h"
#include "StorableText.h"

#include "domain/Clock.h"
#include "domain/Credit.h"
#include "domain/CreditTerms.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScheduleCalculation.h"
#include "domain/ScheduleRecalculation.h"

#include <array>

namespace {
constexpr int RowIndexRole = Qt::UserRole;
const std::array<int, 7> ScheduleColumnWidths{100, 117, 117, 117, 117, 117, 77};

std::optional<int> ParseWholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
}

TAddCreditForm::TAddCreditForm(QWidget* parent)
    : THeadShakeForm(parent)
    , m_ui(std::make_unique<Ui::TAddCreditForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    for (QLineEdit* field : {m_ui->DebtorIDEdit, m_ui->DebtorNameEdit})
        ShowAsPlainText(field);
    m_ui->PaymentDayEdit->SetNotifyLabel(m_ui->PaymentDayLabel);
    TTypedCharFilter::Install(m_ui->CreditSizeEdit, {.DecimalSeparator = true, .Copy = true, .Paste = true});
    for (QLineEdit* edit : {m_ui->CreditPeriodEdit, m_ui->YearPercentEdit, m_ui->PaymentDayEdit})
        TTypedCharFilter::Install(edit, {.Copy = true, .Paste = true});
    ShowPaymentDayRange(true);

    const QString amount = WidestAmountText();
    SetColumnWidths(m_ui->ScheduleListView, ScheduleColumnWidths,
                    {WidestDateText(), amount, amount, amount, amount, amount, QStringLiteral("Нет")});
    // Opens at the designed size, or wider where the font needs it for the columns.
    resize(width() + MissingColumnsRoom(m_ui->ScheduleListView), height());
    m_ui->RespiteHintLabel->hide();

    for (QLineEdit* edit : {m_ui->ContractNumberEdit, m_ui->CreditSizeEdit, m_ui->CreditPeriodEdit,
                            m_ui->YearPercentEdit, m_ui->PaymentDayEdit})
        connect(edit, &QLineEdit::textChanged, this, &TAddCreditForm::AnyCreditEditChange);
    connect(m_ui->ContractDatePicker, &QDateEdit::dateChanged, this, &TAddCreditForm::AnyCreditEditChange);
    connect(m_ui->ContractDatePicker, &TDatePicker::ImpossibleDateChanged, this, &TAddCreditForm::AnyCreditEditChange);
    connect(m_ui->ScheduleListView, &QTreeWidget::itemSelectionChanged, this,
            &TAddCreditForm::ScheduleListViewSelectionChange);
    TEscapeGuard::Install(this, TermFields(), [this] { return m_respiteMade; });
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TAddCreditForm::OkActionExecute);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->PrintButton, &QPushButton::clicked, this, &TAddCreditForm::PrintActionExecute);
    connect(m_ui->RespiteButton, &QPushButton::clicked, this, &TAddCreditForm::RespiteActionExecute);
}

TAddCreditForm::~TAddCreditForm() = default;

bool TAddCreditForm::Execute(TDebtor* debtor, TCredit* credit, ICreditReportInterface* reportInterface, int mode,
                             TPaymentSchedule* schedule)
{
    RequireArgument(debtor, QStringLiteral("Должник не задан."));
    RequireArgument(schedule, QStringLiteral("График выплат не задан."));
    RequireArgument(credit, QStringLiteral("Кредит не задан."));
    m_credit = credit;
    m_schedule = schedule;
    m_reportInterface = reportInterface;
    m_mode = mode;
    m_respiteMade = false;

    m_ui->DebtorIDEdit->setText(FormatWholeNumber(debtor->GetID()));
    m_ui->DebtorNameEdit->setText(DebtorFullName(*debtor));
    m_ui->DebtorNameEdit->setCursorPosition(0);
    if (schedule->Count() > 0)
        FillScheduleList();
    ApplyMode();
    if (!IsViewMode())
        m_ui->ContractDatePicker->setDate(Clock::Today().Date());
    Validate();
    if (IsViewMode())
        ShowCreditTerms();
    UpdateActions();
    return exec() == QDialog::Accepted;
}

void TAddCreditForm::ApplyMode()
{
    m_ui->RespiteButton->setVisible(IsViewMode());
    m_ui->PrintButton->setVisible(IsViewMode());
    // The respite hint keeps its place while hidden, so the buttons do not jump.
    QSizePolicy hintPolicy = m_ui->RespiteHintLabel->sizePolicy();
    hintPolicy.setRetainSizeWhenHidden(IsViewMode());
    m_ui->RespiteHintLabel->setSizePolicy(hintPolicy);
    if (!IsViewMode()) {
        setWindowTitle(QStringLiteral("Добавление кредита"));
        m_ui->NoteLabel->setText(QStringLiteral("Введите условия кредита."));
        m_ui->HintLabel->setText(QStringLiteral("График выплат будет создан автоматически."));
        return;
    }
    // Read-only rather than disabled: the stored terms stay readable, in the
    // normal colours, and can still be selected and copied.
    for (QLineEdit* field : {m_ui->ContractNumberEdit, m_ui->CreditSizeEdit, m_ui->CreditPeriodEdit,
                             m_ui->YearPercentEdit, m_ui->PaymentDayEdit})
        field->setReadOnly(true);
    m_ui->ContractDatePicker->setReadOnly(true);
    setWindowTitle(QStringLiteral("Просмотр кредита"));
    m_ui->NoteLabel->setText(QStringLiteral("Просмотрите условия кредита."));
    m_ui->HintLabel->setText(QStringLiteral("Распечатайте график выплат при необходимости."));
}

void TAddCreditForm::ShowCreditTerms()
{
    m_ui->ContractNumberEdit->setText(m_credit->ContractNumber);
    m_ui->ContractDatePicker->setDate(m_credit->ContractDate.Date());
    m_ui->CreditSizeEdit->setText(FormatMoney(m_credit->CreditSize));
    m_ui->CreditPeriodEdit->setText(FormatWholeNumber(m_credit->CreditPeriod));
    m_ui->YearPercentEdit->setText(FormatWholeNumber(m_credit->YearPercent));
    m_ui->PaymentDayEdit->setText(FormatWholeNumber(m_credit->PaymentDay));
}

void TAddCreditForm::PaintPaymentDayLabel()
{
    const std::optional<int> day = ParseWholeNumber(m_ui->PaymentDayEdit->text());
    if (day) // an unreadable day keeps the label as it was
        ShowPaymentDayRange(*day >= 1 && *day <= 28);
}

void TAddCreditForm::ShowPaymentDayRange(bool inRange)
{
    m_ui->PaymentDayEdit->ShowStringOnLabel(m_ui->PaymentDayLabel->text(),
                                            inRange ? QColor(128, 128, 128) : QColor(255, 0, 0));
    QFont font = m_ui->PaymentDayLabel->font();
    font.setBold(!inRange);
    m_ui->PaymentDayLabel->setFont(font);
}

QList<TFieldFault> TAddCreditForm::ReadTerms(TCredit& terms, TPaymentSchedule& preview)
{
    PaintPaymentDayLabel();
    QList<TFieldFault> faults;
    terms.ContractNumber = m_ui->ContractNumberEdit->text();
    if (terms.ContractNumber.isEmpty())
        faults.append({m_ui->ContractNumberEdit, CreditTerms::ContractNumberMissingMessage()});
    TDatePicker* datePicker = m_ui->ContractDatePicker;
    terms.ContractDate = DateTime(datePicker->date());
    if (datePicker->IsImpossibleDate())
        faults.append({datePicker, datePicker->ImpossibleDateMessage()});
    else if (terms.ContractDate.IsZero())
        faults.append({datePicker, CreditTerms::ContractDateMissingMessage()});
    // A pasted "-5000" must not issue a negative credit, nor a typed 0,0001 one
    // of a fraction of a kopeck.
    const std::optional<Money> size = ParseAmount(m_ui->CreditSizeEdit->text());
    if (!size)
        faults.append({m_ui->CreditSizeEdit, QStringLiteral("Введите размер кредита в рублях.")});
    else if (*size < CreditTerms::MinSize)
        faults.append({m_ui->CreditSizeEdit, CreditTerms::SizeTooSmallMessage()});
    else if (!IsInWholeKopecks(*size))
        faults.append({m_ui->CreditSizeEdit, CreditTerms::SizeKopecksMessage()});
    // Without a month there is no schedule (the credit would count as repaid
    // at once); beyond a hundred years the dates run out.
    const std::optional<int> period = ParseWholeNumber(m_ui->CreditPeriodEdit->text());
    if (!period || *period < 1 || *period > CreditTerms::MaxPeriod)
        faults.append({m_ui->CreditPeriodEdit, CreditTerms::PeriodMessage()});
    const std::optional<int> percent = ParseWholeNumber(m_ui->YearPercentEdit->text());
    if (!percent || *percent < 0)
        faults.append({m_ui->YearPercentEdit, CreditTerms::PercentMessage()});
    const std::optional<int> day = ParseWholeNumber(m_ui->PaymentDayEdit->text());
    if (!day || *day < 1 || *day > 28)
        faults.append({m_ui->PaymentDayEdit, CreditTerms::PaymentDayMessage()});
    if (!faults.isEmpty())
        return faults;
    terms.CreditSize = *size;
    terms.CreditPeriod = *period;
    terms.YearPercent = *percent;
    terms.PaymentDay = *day;
    try {
        BuildSchedule(&preview, &terms, terms.ContractDate);
    } catch (const Exception&) {
        // Sums beyond what Money holds: such terms cannot be stored either.
        faults.append({m_ui->CreditSizeEdit, QStringLiteral("Кредит на таких условиях слишком велик.")});
    }
    return faults;
}

bool TAddCreditForm::Validate(TCredit& terms, TPaymentSchedule& preview)
{
    const QList<TFieldFault> faults = IsViewMode() ? QList<TFieldFault>() : ReadTerms(terms, preview);
    // Said only once OK was tried, then kept up to date as the clerk mends the terms.
    const bool shown = OkTried() && !faults.isEmpty();
    m_ui->ErrorsInfoLabel->setText(shown ? FaultsMessage(QStringLiteral("Данные кредита введены неверно."), faults)
                                         : QString());
    ShowFieldFaults(TermFields(), shown ? faults : QList<TFieldFault>());
    return faults.isEmpty();
}

QList<QWidget*> TAddCreditForm::TermFields() const
{
    return {m_ui->ContractNumberEdit, m_ui->ContractDatePicker, m_ui->CreditSizeEdit,
            m_ui->CreditPeriodEdit,   m_ui->YearPercentEdit,    m_ui->PaymentDayEdit};
}

bool TAddCreditForm::Validate()
{
    TCredit terms;
    TPaymentSchedule preview;
    return Validate(terms, preview);
}

bool TAddCreditForm::ApplyTerms()
{
    TCredit terms;
    TPaymentSchedule preview;
    if (!Validate(terms, preview))
        return false;
    if (IsViewMode())
        return true; // viewing never writes the terms back
    m_credit->ContractNumber = terms.ContractNumber;
    m_credit->ContractDate = terms.ContractDate;
    m_credit->CreditSize = terms.CreditSize;
    m_credit->CreditPeriod = terms.CreditPeriod;
    m_credit->YearPercent = terms.YearPercent;
    m_credit->PaymentDay = terms.PaymentDay;
    m_credit->FullMustBePaymentSum = terms.FullMustBePaymentSum;
    *m_schedule = std::move(preview);
    return true;
}

void TAddCreditForm::AnyCreditEditChange()
{
    // Viewing only shows the stored terms; nothing flows back into the credit.
    if (!m_credit || IsViewMode())
        return;
    if (ApplyTerms())
        FillScheduleList();
    else // no schedule is shown for terms that cannot make a credit
        m_ui->ScheduleListView->clear();
}

void TAddCreditForm::FillScheduleList()
{
    QTreeWidget* list = m_ui->ScheduleListView;
    list->clear();
    for (int index = 0; index < m_schedule->Count(); ++index) {
        const TPaymentScheduleItem& row = *m_schedule->Items(index);
        if (row.Deleted)
            continue;
        auto* line = new QTreeWidgetItem;
        line->setData(0, RowIndexRole, index);
        const QStringList texts{FormatShortDate(row.PaymentDate), FormatMoney(row.Balance),
                                FormatMoney(row.PayingOff),         FormatMoney(row.CreditPercents),
                                FormatMoney(row.MustBePaymentSum),  FormatMoney(row.Annua),
                                row.WasDelay ? QStringLiteral("Да") : QStringLiteral("Нет")};
        SetLineTexts(list, line, texts);
        PaintScheduleLine(line, row);
        list->addTopLevelItem(line);
    }
    UpdateActions();
}

void TAddCreditForm::PaintScheduleLine(QTreeWidgetItem* line, const TPaymentScheduleItem& row) const
{
    // Past rows in pale shades, due ones in full colour: red when overdue,
    // olive above the regular instalment, green below it.
    const Money reference = m_schedule->Items(0)->Annua;
    const bool past = row.PaymentDate.Date() < Clock::Today().Date();
    std::optional<QColor> colour;
    if (row.ActiveDelay)
        colour = past ? QColor(255, 128, 128) : QColor(255, 0, 0);
    else if (row.Annua > reference)
        colour = past ? QColor(231, 224, 169) : QColor(128, 128, 0);
    else if (row.Annua < reference)
        colour = past ? QColor(170, 217, 170) : QColor(0, 128, 0);
    else if (past)
        colour = QColor(192, 192, 192);
    SetLineLook(m_ui->ScheduleListView, line, colour, row.WasDelay);
}

TPaymentScheduleItem* TAddCreditForm::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->ScheduleListView->selectedItems();
    if (selected.isEmpty() || !m_schedule)
        return nullptr;
    bool ok = false;
    const int index = selected.first()->data(0, RowIndexRole).toInt(&ok);
    return ok && index >= 0 && index < m_schedule->Count() ? m_schedule->Items(index) : nullptr;
}

bool TAddCreditForm::CanMakeRespite() const
{
    const TPaymentScheduleItem* row = SelectedRow();
    if (!IsViewMode() || m_respiteMade || !row)
        return false;
    const QTreeWidget* list = m_ui->ScheduleListView;
    const bool lastLine = list->indexOfTopLevelItem(list->selectedItems().first()) == list->topLevelItemCount() - 1;
    return !lastLine && Clock::Today().Date() <= row->PaymentDate.Date();
}

void TAddCreditForm::UpdateActions()
{
    m_ui->OkButton->setEnabled(!IsViewMode() || m_respiteMade);
    m_ui->PrintButton->setEnabled(IsViewMode() && !m_respiteMade);
    m_ui->RespiteButton->setEnabled(CanMakeRespite());
    m_ui->RespiteHintLabel->setVisible(m_respiteMade);
}

void TAddCreditForm::ScheduleListViewSelectionChange()
{
    UpdateActions();
}

void TAddCreditForm::OkActionExecute()
{
    if (!m_ui->OkButton->isEnabled())
        return;
    NoteOkTried();
    if (!ApplyTerms()) {
        FocusFirstFault(TermFields());
        ShakeWithDisabled(m_ui->OkButton);
        return;
    }
    if (RefuseUnstorableText({ m_ui->ContractNumberEdit }, m_ui->ErrorsInfoLabel)) {
        ShakeWithDisabled(m_ui->OkButton);
        return;
    }
    m_storeOnOk.Finish(*this);
}

void TAddCreditForm::PrintActionExecute()
{
    if (m_reportInterface && m_ui->PrintButton->isEnabled())
        m_reportInterface->PrintCreditSchedule(m_credit->GetID());
}

void TAddCreditForm::RespiteActionExecute()
{
    if (!CanMakeRespite())
        return;
    TPaymentSchedule result;
    // A failure leaves the schedule and the flag as they were.
    const int rowID = SelectedRow()->GetID();
    MakeRespite(m_credit, SelectedRow(), m_schedule, &result);
    m_respiteRowID = rowID;
    m_schedule->AssignFrom(&result);
    m_respiteMade = true;
    FillScheduleList();
}
