#include "ExtLabeledEdit.h"

#include <QLabel>

TExtLabeledEdit::TExtLabeledEdit(QWidget* parent)
    : TInsideHintEdit(parent)
{
}

QLabel* TExtLabeledEdit::NotifyLabel() const
{
    return m_notifyLabel;
}

void TExtLabeledEdit::SetNotifyLabel(QLabel* label)
{
    m_notifyLabel = label;
}

void TExtLabeledEdit::SetOnBeforeShowStringOnLabelEvent(TShowStringOnLabelEvent handler)
{
    m_onBeforeShowStringOnLabel = std::move(handler);
}

void TExtLabeledEdit::ShowStringOnLabel(QString s, QColor color)
{
    if (!m_notifyLabel)
        return;
    if (m_onBeforeShowStringOnLabel)
        m_onBeforeShowStringOnLabel(this, s, color);
    // The handler may have destroyed the label.
    if (!m_notifyLabel)
        return;
    QPalette labelPalette = m_notifyLabel->palette();
    labelPalette.setColor(QPalette::WindowText, color);
    m_notifyLabel->setPalette(labelPalette);
    m_notifyLabel->setText(s);
    if (m_isColorSelfAsLabel) {
        QPalette ownPalette = palette();
        ownPalette.setColor(QPalette::Text, color);
        setPalette(ownPalette);
    }
}

void TExtLabeledEdit::ClearNotifyLabel()
{
    ShowStringOnLabel(QString(), QColor(Qt::black));
}
