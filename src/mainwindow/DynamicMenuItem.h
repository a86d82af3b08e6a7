#pragma once

#include <QAction>
#include <functional>

class TDynamicMenuItem;

using TNotifyEvent = std::function<void(QObject* sender)>;
using TExtDynamicItemClickEvent = std::function<void(TDynamicMenuItem* sender)>;

// A menu item created at run time. Its click runs the ordinary click handler
// first, then the extended one; both are copies of the menu's handlers taken
// when the item was made.
class TDynamicMenuItem : public QAction
{
    Q_OBJECT

public:
    TDynamicMenuItem(const QString& caption, QObject* parent);

    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    // Index of the item's picture in the program's image list; -1 for none.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value) { m_imageIndex = value; }

    void SetOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }
    void SetOnExtDynamicItemClick(TExtDynamicItemClickEvent handler) { m_onExtClick = std::move(handler); }

    void Click();

private:
    int m_tag = 0;
    int m_imageIndex = -1;
    TNotifyEvent m_onClick;
    TExtDynamicItemClickEvent m_onExtClick;
};
