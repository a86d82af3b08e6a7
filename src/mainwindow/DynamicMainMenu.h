#pragma once

#include "DynamicMenuItem.h"

#include <QMenuBar>

class QMenu;

// The main menu, able to take items at run time under an item found by its
// object name or else its caption (compared without hot-key markers and
// letter case).
class TDynamicMainMenu : public QMenuBar
{
    Q_OBJECT

public:
    explicit TDynamicMainMenu(QWidget* parent = nullptr);

    // Copied onto each item created from now on.
    void SetOnDynamicItemClick(TNotifyEvent handler) { m_onDynamicItemClick = std::move(handler); }
    void SetOnExtDynamicItemClick(TExtDynamicItemClickEvent handler) { m_onExtDynamicItemClick = std::move(handler); }

    // Puts a new item under the parent: at the top level for an empty parent
    // caption, under a new top-level menu when no item has that caption.
    TDynamicMenuItem* AddDynamicItem(const QString& parentCaption, const QString& caption, int imageIndex);
    // One item per text, each tagged with its position.
    void AddDynamicItems(const QString& parentCaption, const QStringList& texts);
    // Removes every item under the parent at once; they are freed when the
    // current event is over, because the click of one of them may be what
    // rebuilds the menu.
    void ClearDynamicItems(const QString& parentCaption);

    // The submenu of that object name; else the first item with the caption
    // (menus made at run time have no name): the top level first, then
    // depth-first through the submenus. nullptr when none.
    QAction* FindItem(const QString& caption) const;

private:
    QMenu* SubmenuOf(QAction* item);

    TNotifyEvent m_onDynamicItemClick;
    TExtDynamicItemClickEvent m_onExtDynamicItemClick;
};
