#include "SelectMonthForm.h"

#include "FormLook.h"
#include "TypedCharFilter.h"
#include "domain/Clock.h"
#include "ui_SelectMonthForm.h"

#include <QLocale>

namespace {
int CurrentYear()
{
    return Clock::Today().Date().year();
}
}

TSelectMonthForm::TSelectMonthForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SelectMonthForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    const QLocale locale;
    for (int month = 1; month <= 12; ++month) {
        // The name as it stands alone, capitalised like an entry of a list: "Март".
        QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
        m_ui->MonthComboBox->addItem(name);
    }
    const int currentMonth = Clock::Today().Date().month();
    if (m_ui->MonthComboBox->count() >= currentMonth)
        m_ui->MonthComboBox->setCurrentIndex(currentMonth - 1);
    m_ui->YearEdit->setText(QString::number(CurrentYear()));
    TTypedCharFilter::Install(m_ui->YearEdit, {.Paste = true});
    FixFormSize(this, QSize(217, 129));

    connect(m_ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TSelectMonthForm::~TSelectMonthForm() = default;

bool TSelectMonthForm::Execute()
{
    return exec() == QDialog::Accepted;
}

int TSelectMonthForm::SelectedMonth() const
{
    return m_ui->MonthComboBox->currentIndex() + 1;
}

int TSelectMonthForm::SelectedYear() const
{
    bool isNumber = false;
    const int year = m_ui->YearEdit->text().toInt(&isNumber);
    return isNumber ? year : CurrentYear();
}
