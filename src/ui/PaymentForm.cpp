#include "PaymentForm.h"

#include "AheadDecisionForm.h"
#include "ApplicationErrors.h"
#include "CreditPartiesFields.h"
#include "DisplayFormats.h"
#include "EscapeGuard.h"
#include "FormLook.h"
#include "TypedCharFilter.h"
#include "ui/controls/FieldFault.h"
#include "domain/Clock.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentScheduleItem.h"
#include "domain/PaymentRules.h"
#include "ui_PaymentForm.h"
#include "RequiredArgument.h"

#include <algorithm>

namespace {
const QSize DesignedSize(457, 273);
const int MaxFieldWidth = 600;
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Black(0, 0, 0);

const QString EnterSumMessage = QStringLiteral("Введите сумму платежа.");
}

TPaymentForm::TPaymentForm(QWidget* parent)
    : THeadShakeForm(parent)
    , m_ui(std::make_unique<Ui::PaymentForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    UseSingleBorder(this);
    for (QLineEdit* field : {m_ui->DebtorIDEdit, m_ui->DebtorNameEdit, m_ui->CreditIDEdit, m_ui->ContractNumberEdit,
                             m_ui->ContractDateEdit, m_ui->AnnuaEdit, m_ui->MonthPaymentBalanceEdit, m_ui->RemainEdit,
                             m_ui->RemainIfRecalcEdit})
        ShowAsPlainText(field);
    m_ui->PaymentEdit->SetNotifyLabel(m_ui->InfoLabel);
    TTypedCharFilter::Install(m_ui->PaymentEdit, {.DecimalSeparator = true, .Copy = true, .Paste = true});
    FixFormSize(this, DesignedSize);

    connect(m_ui->PaymentEdit, &QLineEdit::textChanged, this, &TPaymentForm::PaymentEditChange);
    connect(m_ui->AnnuaLabel, &TLinkLabel::Clicked, this, &TPaymentForm::AnnuaLabelClick);
    connect(m_ui->MonthPaymentBalanceLabel, &TLinkLabel::Clicked, this, &TPaymentForm::MonthPaymentBalanceLabelClick);
    connect(m_ui->RemainLabel, &TLinkLabel::Clicked, this, &TPaymentForm::RemainLabelClick);
    connect(m_ui->RemainIfRecalcLabel, &TLinkLabel::Clicked, this, &TPaymentForm::RemainIfRecalcLabelClick);
    TEscapeGuard::Install(this, {m_ui->PaymentEdit});
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TPaymentForm::OkActionExecute);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TPaymentForm::~TPaymentForm() = default;

bool TPaymentForm::Execute(const TDebtor& debtor, const TCredit& credit, const TPaymentScheduleItem& row,
                           const TPaymentSchedule* schedule, TPaymentDecision& decision,
                           const TPaymentHistoryItem* lastPayment)
{
    m_credit = &credit;
    m_row = &row;
    m_schedule = schedule;
    m_decision = &decision;

    ShowParties(debtor, credit);
    ShowLastPayment(lastPayment);
    ShowMonthBalance(MonthBalance(Money()));
    m_ui->RemainEdit->setText(FormatMoney(RemainingDebt(EnteredSum())));
    m_ui->RemainIfRecalcEdit->setText(FormatMoney(RemainingIfRecalculated()));
    m_ui->AnnuaEdit->setText(FormatMoney(row.Annua));
    ValidatePayment();
    m_ui->PaymentEdit->setFocus();

    const bool confirmed = exec() == QDialog::Accepted;
    m_credit = nullptr;
    m_row = nullptr;
    m_schedule = nullptr;
    m_decision = nullptr;
    return confirmed;
}

Money TPaymentForm::EnteredSum() const
{
    const std::optional<Money> sum = ParseAmount(m_ui->PaymentEdit->text());
    return sum && *sum >= Money() ? *sum : Money();
}

Money TPaymentForm::MonthBalance(Money e) const
{
    return m_row->MustBePaymentSum - (m_credit->PaymentsSum + e);
}

Money TPaymentForm::RemainingDebt(Money e) const
{
    return m_credit->RemainingDebt() - e;
}

Money TPaymentForm::RemainingIfRecalculated() const
{
    return (m_row->MustBePaymentSum - m_credit->PaymentsSum) + m_row->Balance;
}

void TPaymentForm::ShowParties(const TDebtor& debtor, const TCredit& credit)
{
    // Long names widen the window rather than being cut off.
    ShowCreditParties(*m_ui, debtor, credit, MaxFieldWidth);
    FixFormSize(this, DesignedSize);
}

void TPaymentForm::ShowLastPayment(const TPaymentHistoryItem* lastPayment)
{
    QString shown;
    if (lastPayment && !lastPayment->PaymentDate.IsZero()) {
        const qint64 daysAgo = lastPayment->PaymentDate.DaysTo(Clock::Today());
        if (daysAgo == 0)
            shown = QStringLiteral("Сегодня");
        else if (daysAgo == 1)
            shown = QStringLiteral("Вчера");
        else
            shown = FormatShortDate(lastPayment->PaymentDate);
    }
    m_ui->LastPaymentDateLabel->setText(shown);
}

void TPaymentForm::ShowMonthBalance(Money balance)
{
    TLinkLabel* label = m_ui->MonthPaymentBalanceLabel;
    QLineEdit* field = m_ui->MonthPaymentBalanceEdit;
    if (balance > Money::Kopeck) {
        label->setText(QStringLiteral("Не погашено:"));
        label->SetLook(TLinkLabel::LinkColor, true);
        SetTextColor(field, Red);
        field->setText(FormatMoney(balance));
        field->setVisible(true);
    } else if (balance >= -Money::Kopeck) {
        label->setText(QStringLiteral("Обязательный платеж выполнен."));
        label->SetLook(Green, false);
        field->setVisible(false);
        field->clear();
        // The field keeps this underline when it is shown again, as it always has.
        QFont underlined = field->font();
        underlined.setUnderline(true);
        field->setFont(underlined);
    } else {
        label->setText(QStringLiteral("Опережение:"));
        label->SetLook(Black, false);
        SetTextColor(field, Green);
        field->setText(FormatMoney(-balance));
        field->setVisible(true);
    }
}

TPaymentForm::TAmountFault TPaymentForm::AmountFault() const
{
    const std::optional<Money> sum = ParseAmount(m_ui->PaymentEdit->text());
    // A pasted text is not filtered by the keys: what is not a number is no
    // payment at all, and nothing or less is not a payment either.
    if (!sum)
        return {EnterSumMessage, false};
    if (*sum <= Money())
        return {PaymentRules::AboveZeroMessage(), false};
    if (!IsInWholeKopecks(*sum))
        return {PaymentRules::KopecksMessage(), true};
    if (RemainingDebt(*sum) <= -Money::Kopeck)
        return {PaymentRules::AboveDebtMessage(), true};
    return {};
}

bool TPaymentForm::ValidatePayment()
{
    TConstraintedEdit* edit = m_ui->PaymentEdit;
    const TAmountFault fault = AmountFault();
    edit->ClearNotifyLabel();
    if (!fault.Message.isEmpty() && (fault.WhileTyping || OkTried())) {
        edit->ShowStringOnLabel(fault.Message, Red);
        MarkFieldAtFault(edit, fault.Message);
    } else {
        ClearFieldFault(edit);
    }
    return fault.Message.isEmpty();
}

void TPaymentForm::FillPaymentEdit(Money value)
{
    m_ui->PaymentEdit->setText(FormatAmountEntry(value));
}

void TPaymentForm::PaymentEditChange()
{
    if (!m_row)
        return;
    const Money e = EnteredSum();
    ShowMonthBalance(MonthBalance(e));
    m_ui->RemainEdit->setText(FormatMoney(RemainingDebt(e)));
    ValidatePayment();
}

void TPaymentForm::AnnuaLabelClick()
{
    if (m_row)
        FillPaymentEdit(m_row->Annua);
}

void TPaymentForm::MonthPaymentBalanceLabelClick()
{
    if (!m_row)
        return;
    const Money e = EnteredSum();
    const Money balance = MonthBalance(e);
    if (balance > Money())
        FillPaymentEdit(e + balance);
}

void TPaymentForm::RemainLabelClick()
{
    if (m_row)
        FillPaymentEdit(RemainingDebt(Money()));
}

void TPaymentForm::RemainIfRecalcLabelClick()
{
    if (m_row)
        FillPaymentEdit(RemainingIfRecalculated());
}

void TPaymentForm::OkActionExecute()
{
    if (!m_row)
        return;
    NoteOkTried();
    if (!ValidatePayment()) {
        ShakeWithDisabled(m_ui->OkButton);
        return;
    }
    const Money sum = EnteredSum();
    bool rebuild = false;
    const Money balance = MonthBalance(sum);
    if (balance <= -Money::Kopeck && m_schedule && !DecideAhead(-balance, rebuild))
        return;
    m_decision->Amount = sum;
    m_decision->Rebuild = rebuild;
    m_storeOnOk.Finish(*this);
}

bool TPaymentForm::DecideAhead(Money ahead, bool& rebuild)
{
    TAheadDecisionForm decision(this);
    // Inside the OK button's handler: a rebuild that cannot be made is shown
    // and leaves this dialog open with the amount typed.
    try {
        if (!decision.Execute(m_credit, m_row, m_schedule, ahead))
            return false;
    } catch (...) {
        HandleApplicationException();
        return false;
    }
    rebuild = decision.Choice() == adReduceAnnua;
    return true;
}
