#pragma once

#include <QString>

// The program's pictures come from the desktop's icon theme. Names that theme
// lacks come from the fallback theme, which the program installs with it; a
// platform that names no theme, or no folder of themes, gets the fallback
// theme and the freedesktop folders.
void UseIconTheme(const QString& fallbackTheme);
