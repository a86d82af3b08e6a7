#pragma once

#include <QIcon>

class QWidget;

// Pictures of the main window's commands, taken from the desktop's icon
// theme by their freedesktop names, so the window looks like the other
// programs of the desktop. Where the desktop's theme lacks a name the
// application's fallback theme supplies it.

// Gives every command of the form that has a picture its picture.
void SetCommandIcons(QWidget* form);
// The picture of a command by its object name; a null icon for none.
QIcon CommandIcon(const QString& actionName);
// The picture of a run-time menu item by its image index; a null icon for none.
QIcon ImageIndexIcon(int imageIndex);
