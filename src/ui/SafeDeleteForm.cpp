#include "SafeDeleteForm.h"

#include "FormLook.h"
#include "TypedCharFilter.h"
#include "domain/ClockSeededRandomGenerator.h"
#include "ui_SafeDeleteForm.h"

namespace {
const int CodeLength = 4;
}

TSafeDeleteForm::TSafeDeleteForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SafeDeleteForm>())
    , m_ownGenerator(std::make_unique<TClockSeededRandomGenerator>())
    , m_generator(m_ownGenerator.get())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    UseSingleBorder(this);
    SetTextColor(m_ui->AlertLabel, QColor(255, 0, 0));
    TTypedCharFilter::Install(m_ui->CodeEdit, {});
    FixFormSize(this, QSize(353, 121));

    connect(m_ui->CodeEdit, &QLineEdit::textChanged, this, &TSafeDeleteForm::CodeEditChange);
    connect(m_ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TSafeDeleteForm::~TSafeDeleteForm() = default;

void TSafeDeleteForm::SetAlert(const QString& text)
{
    m_ui->AlertLabel->setText(text);
    FixFormSize(this, QSize(353, 121));
}

bool TSafeDeleteForm::Execute()
{
    return exec() == QDialog::Accepted;
}

void TSafeDeleteForm::SetRandomGenerator(IRandomGenerator* generator)
{
    m_generator = generator ? generator : m_ownGenerator.get();
}

void TSafeDeleteForm::showEvent(QShowEvent* event)
{
    NewCode();
    QDialog::showEvent(event);
}

void TSafeDeleteForm::NewCode()
{
    m_code.clear();
    for (int i = 0; i < CodeLength; ++i)
        m_code += QChar(u'0' + m_generator->Random(10));
    m_ui->CodeEdit->clear();
    m_ui->OkButton->setEnabled(false);
    m_ui->CodeLabel->setText(QStringLiteral("Чтобы продолжить, введите код: «%s»:").replace(QStringLiteral("%s"), m_code));
    m_ui->CodeEdit->setFocus();
}

void TSafeDeleteForm::CodeEditChange()
{
    m_ui->OkButton->setEnabled(m_ui->CodeEdit->text() == m_code);
}
