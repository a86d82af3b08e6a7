#include "DynamicMainMenu.h"

#include <QMenu>

namespace {
// The caption as shown: "&&" is a literal ampersand, a single one marks the hot key.
QString StripHotkey(const QString& caption)
{
    QString result;
    result.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                result += caption[++i];
            continue;
        }
        result += caption[i];
    }
    return result;
}

bool SameCaption(const QAction* item, const QString& strippedCaption)
{
    return !item->isSeparator()
           && StripHotkey(item->text()).compare(strippedCaption, Qt::CaseInsensitive) == 0;
}

QAction* FindDepthFirst(const QList<QAction*>& items, const QString& strippedCaption)
{
    for (QAction* item : items) {
        if (SameCaption(item, strippedCaption))
            return item;
        if (QMenu* submenu = item->menu<QMenu*>())
            if (QAction* found = FindDepthFirst(submenu->actions(), strippedCaption))
                return found;
    }
    return nullptr;
}
}

TDynamicMainMenu::TDynamicMainMenu(QWidget* parent)
    : QMenuBar(parent)
{
}

QAction* TDynamicMainMenu::FindItem(const QString& caption) const
{
    // A menu of the window is found by its name, which a change of wording
    // or an added hot key leaves alone.
    if (const QMenu* named = findChild<QMenu*>(caption); named && !caption.isEmpty())
        return named->menuAction();
    const QString stripped = StripHotkey(caption);
    const QList<QAction*> topLevel = actions();
    for (QAction* item : topLevel)
        if (SameCaption(item, stripped))
            return item;
    return FindDepthFirst(topLevel, stripped);
}

QMenu* TDynamicMainMenu::SubmenuOf(QAction* item)
{
    QMenu* submenu = item->menu<QMenu*>();
    if (!submenu) {
        // A plain item becomes a submenu when it receives its first item.
        submenu = new QMenu(item->text(), this);
        item->setMenu(submenu);
    }
    return submenu;
}

TDynamicMenuItem* TDynamicMainMenu::AddDynamicItem(const QString& parentCaption, const QString& caption,
                                                   int imageIndex)
{
    QWidget* holder = this;
    if (!parentCaption.isEmpty()) {
        QAction* parentItem = FindItem(parentCaption);
        holder = parentItem ? SubmenuOf(parentItem) : addMenu(parentCaption);
    }
    auto* item = new TDynamicMenuItem(caption, holder);
    item->SetImageIndex(imageIndex);
    item->SetOnClick(m_onDynamicItemClick);
    item->SetOnExtDynamicItemClick(m_onExtDynamicItemClick);
    holder->addAction(item);
    return item;
}

void TDynamicMainMenu::AddDynamicItems(const QString& parentCaption, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i)
        AddDynamicItem(parentCaption, texts[i], -1)->SetTag(i);
}

void TDynamicMainMenu::ClearDynamicItems(const QString& parentCaption)
{
    QAction* parentItem = FindItem(parentCaption);
    QMenu* submenu = parentItem ? parentItem->menu<QMenu*>() : nullptr;
    if (!submenu)
        return;
    const QList<QAction*> items = submenu->actions();
    for (QAction* item : items) {
        submenu->removeAction(item);
        if (item->parent() == submenu || item->parent() == this)
            item->deleteLater();
    }
}
