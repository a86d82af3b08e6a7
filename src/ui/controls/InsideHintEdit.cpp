#include "InsideHintEdit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

TInsideHintEdit::TInsideHintEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // The edit repaints itself on every text change; the hint follows from paintEvent.
}

void TInsideHintEdit::SetInsideHint(const QString& value)
{
    m_insideHint = value;
    update();
}

void TInsideHintEdit::SetInsideHintColor(const QColor& value)
{
    m_insideHintColor = value;
    update();
}

void TInsideHintEdit::SetIsClearOnEnter(bool value)
{
    m_isClearOnEnter = value;
    update();
}

bool TInsideHintEdit::IsInsideHintShown() const
{
    return text().isEmpty() && !m_insideHint.isEmpty() && !(m_hasFocus && m_isClearOnEnter);
}

void TInsideHintEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!text().isEmpty())
        return;
    QPainter painter(this);
    PaintInsideHint(painter);
}

void TInsideHintEdit::PaintInsideHint(QPainter& painter)
{
    if (!IsInsideHintShown())
        return;
    // The text area of the edit, with the edit's own 2 px / 1 px inner
    // margins, so the hint sits where typed text will appear.
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    area = area.marginsRemoved(margins).adjusted(2, 1, -2, -1);
    painter.setClipRect(area);
    painter.setFont(font());
    painter.setPen(m_insideHintColor);
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    painter.drawText(area, Qt::AlignLeft | (vertical ? vertical : Qt::AlignVCenter) | Qt::TextSingleLine,
                     m_insideHint);
}

void TInsideHintEdit::focusInEvent(QFocusEvent* event)
{
    m_hasFocus = true;
    QLineEdit::focusInEvent(event);
    update();
}

void TInsideHintEdit::focusOutEvent(QFocusEvent* event)
{
    m_hasFocus = false;
    QLineEdit::focusOutEvent(event);
    update();
}
