#include "HistoryMenu.h"

#include "BookCaption.h"
#include "DynamicMainMenu.h"

const QString HistoryMenuName = QStringLiteral("HistoryMenuItem");
const int HistoryMenuImageIndex = 12;

void FillHistoryMenu(TDynamicMainMenu& menu, const QStringList& entries)
{
    menu.ClearDynamicItems(HistoryMenuName);
    for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i) {
        // A path or a name is no caption: an ampersand in it must not become a hot key.
        QString caption = BookCaption(entries[i]);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu.AddDynamicItem(HistoryMenuName, caption, HistoryMenuImageIndex)->SetTag(i);
    }
}
