#include "DynamicMenuItem.h"

#include <QPointer>

TDynamicMenuItem::TDynamicMenuItem(const QString& caption, QObject* parent)
    : QAction(caption, parent)
{
    connect(this, &QAction::triggered, this, &TDynamicMenuItem::Click);
}

void TDynamicMenuItem::Click()
{
    // The handlers are copied: a click that rebuilds the menu frees this item.
    const TNotifyEvent onClick = m_onClick;
    const TExtDynamicItemClickEvent onExtClick = m_onExtClick;
    QPointer<TDynamicMenuItem> self(this);
    if (onClick)
        onClick(this);
    if (onExtClick && self)
        onExtClick(this);
}
