#include "SelectDateForm.h"

#include "FormLook.h"
#include "domain/Clock.h"
#include "ui/controls/FieldFault.h"
#include "ui_SelectDateForm.h"

namespace {
const QSize DesignedSize(227, 137);
}

TSelectDateForm::TSelectDateForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SelectDateForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    // The further back, the paler the link.
    m_ui->DayBeforeYesterdayLabel->SetLook(QColor(119, 119, 255), true);
    m_ui->YesterdayLabel->SetLook(QColor(83, 83, 255), true);
    m_ui->TodayLabel->SetLook(QColor(0, 0, 255), true);
    FixFormSize(this, DesignedSize);

    connect(m_ui->DayBeforeYesterdayLabel, &TLinkLabel::Clicked, this, [this] { SetDaysBack(2); });
    connect(m_ui->YesterdayLabel, &TLinkLabel::Clicked, this, [this] { SetDaysBack(1); });
    connect(m_ui->TodayLabel, &TLinkLabel::Clicked, this, [this] { SetDaysBack(0); });
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TSelectDateForm::OkActionExecute);
    connect(m_ui->DateTimePicker, &TDatePicker::ImpossibleDateChanged, this, &TSelectDateForm::ShowDateFault);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TSelectDateForm::~TSelectDateForm() = default;

void TSelectDateForm::SetDate(const DateTime& value)
{
    m_ui->DateTimePicker->setDate(value.Date());
    m_time = value.Time();
}

bool TSelectDateForm::Execute()
{
    return exec() == QDialog::Accepted;
}

DateTime TSelectDateForm::SelectedDate() const
{
    return DateTime(m_ui->DateTimePicker->date(), m_time);
}

void TSelectDateForm::SetDaysBack(int days)
{
    SetDate(Clock::Now().AddDays(-days));
}

void TSelectDateForm::ShowDateFault()
{
    TDatePicker* picker = m_ui->DateTimePicker;
    // Said only once OK was tried, then following the typing.
    const bool shown = m_okTried && picker->IsImpossibleDate();
    if (shown)
        MarkFieldAtFault(picker, picker->ImpossibleDateMessage());
    else
        ClearFieldFault(picker);
    m_ui->ErrorLabel->setText(picker->ImpossibleDateMessage());
    m_ui->ErrorLabel->setVisible(shown);
    FixFormSize(this, DesignedSize);
}

void TSelectDateForm::OkActionExecute()
{
    TDatePicker* picker = m_ui->DateTimePicker;
    if (!picker->IsImpossibleDate()) {
        accept();
        return;
    }
    m_okTried = true;
    ShowDateFault();
    picker->setFocus(Qt::TabFocusReason);
}
