#pragma once

#include <QString>
#include <QStringList>

class TDynamicMainMenu;

// Object name of the main menu's recent-databases submenu.
extern const QString HistoryMenuName;
extern const int HistoryMenuImageIndex;

// Rebuilds the recent-databases submenu: newest first, each item captioned
// with the file's full path or the server book's readable name and tagged
// with its index in the list (0 = oldest).
void FillHistoryMenu(TDynamicMainMenu& menu, const QStringList& entries);
