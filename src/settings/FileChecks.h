#pragma once

#include <QString>

// Why the path cannot be read as an ordinary file, in Russian; empty when it
// can. Only regular files are opened: reading a named pipe waits for a writer
// for ever, a device or a folder is no loan book or settings file.
QString DescribeUnreadableFile(const QString& path);

// A path fit for a menu item or a message: control characters shown as "?",
// and a path longer than maxChars cut in its middle (its folder's beginning
// and the file name stay), so that one garbage line cannot widen a menu
// across the screen.
QString ShortPath(const QString& path, int maxChars = 80);
