#include "HistoryMenu.h"

#include "DynamicMainMenu.h"
#include "FileChecks.h"

const QString HistoryMenuCaption = QStringLiteral("Поледние подключённые базы данных");
const int HistoryMenuImageIndex = 12;

void FillHistoryMenu(TDynamicMainMenu& menu, const QStringList& entries)
{
    menu.ClearDynamicItems(HistoryMenuCaption);
    for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i) {
        // A path is no caption: an ampersand in it must not become a hot key.
        QString caption = ShortPath(entries[i]);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu.AddDynamicItem(HistoryMenuCaption, caption, HistoryMenuImageIndex)->SetTag(i);
    }
}
