#include "LinkLabel.h"

#include "FormLook.h"

#include <QMouseEvent>

const QColor TLinkLabel::LinkColor(0, 0, 255);

TLinkLabel::TLinkLabel(QWidget* parent)
    : QLabel(parent)
{
    SetLook(LinkColor, true);
}

void TLinkLabel::SetLook(const QColor& color, bool asLink)
{
    SetTextColor(this, color);
    QFont underlined = font();
    underlined.setUnderline(asLink);
    setFont(underlined);
    setCursor(asLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    // Taken, so that the release comes back here and not to the form.
    if (m_pressed)
        event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button over the label.
    const bool clicked = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (clicked)
        emit Clicked();
}
