#pragma once

#include <QString>
#include <QStringList>

class TDynamicMainMenu;

// Caption of the main menu's recent-databases submenu (its spelling is the program's own).
extern const QString HistoryMenuCaption;
extern const int HistoryMenuImageIndex;

// Rebuilds the recent-databases submenu: newest first, each item captioned
// with the full path and tagged with its index in the list (0 = oldest).
void FillHistoryMenu(TDynamicMainMenu& menu, const QStringList& entries);
