#include "ConstraintedEdit.h"

#include "ConstraintEditException.h"

#include <QTimer>

const QString TConstraintedEdit::DefaultConstraintEditExceptionMessage =
    QStringLiteral("Не соблюдены ограничения, наложенные на поле ввода.");

TConstraintedEdit::TConstraintedEdit(QWidget* parent)
    : TExtLabeledEdit(parent)
    , m_exceptionMessage(DefaultConstraintEditExceptionMessage)
    , m_typingTimer(new QTimer(this))
{
    m_typingTimer->setObjectName(QStringLiteral("TypingTimer"));
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(1000);
    // textChanged fires for typed and for assigned text alike.
    connect(this, &QLineEdit::textChanged, this, &TConstraintedEdit::HandleTextChanged);
    connect(m_typingTimer, &QTimer::timeout, this, &TConstraintedEdit::HandleTypingTimeout);
}

void TConstraintedEdit::SetIsCheckOnCreate(bool value)
{
    m_isCheckOnCreate = value;
    if (m_isCheckOnCreate)
        CheckConstraint();
}

uint TConstraintedEdit::TypeWaitTimeMs() const
{
    return static_cast<uint>(m_typingTimer->interval());
}

void TConstraintedEdit::SetTypeWaitTimeMs(uint value)
{
    m_typingTimer->setInterval(static_cast<int>(qMin<uint>(value, INT_MAX)));
}

void TConstraintedEdit::SetOnConstraintCheck(TConstraintCheckEvent handler)
{
    m_onConstraintCheck = std::move(handler);
}

void TConstraintedEdit::SetNotifyLabel(QLabel* label)
{
    TExtLabeledEdit::SetNotifyLabel(label);
    if (m_isCheckOnCreate)
        CheckConstraint();
}

bool TConstraintedEdit::CheckConstraint()
{
    bool answer = true;
    QString userMessage;
    QColor color(Qt::black);
    ClearNotifyLabel();
    if (m_onConstraintCheck) {
        m_onConstraintCheck(this, text(), answer, userMessage, color);
        ShowStringOnLabel(userMessage, color);
    }
    return answer;
}

QString TConstraintedEdit::CheckedText()
{
    if (!CheckConstraint())
        throw EConstraintEditException(m_exceptionMessage);
    return text();
}

void TConstraintedEdit::HandleTextChanged()
{
    if (m_isCheckOnChange)
        CheckConstraint();
    // Restarting measures the pause from the latest change.
    m_typingTimer->start();
}

void TConstraintedEdit::HandleTypingTimeout()
{
    m_typingTimer->stop();
    emit OnTypoStop();
}
