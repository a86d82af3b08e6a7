#pragma once

#include <QColor>
#include <QStringList>
#include <optional>
#include <span>

class QTreeWidget;
class QTreeWidgetItem;

// Lines of the read-only report lists (credits, schedules): cells aligned as
// their column headers, and one colour and weight for the whole line.

// Column widths as designed, widened where a caption would be cut off in the
// font at hand.
void SetColumnWidths(QTreeWidget* list, std::span<const int> widths);
// How many pixels the list lacks to show all its columns side by side
// without a horizontal scroll bar (0 when they fit).
int MissingColumnsRoom(QTreeWidget* list);
// Sets the cell texts in column order, each aligned like its column header.
void SetLineTexts(const QTreeWidget* list, QTreeWidgetItem* line, const QStringList& texts);
// Every cell in the colour (none: the list's normal text colour), bold or regular.
void SetLineLook(const QTreeWidget* list, QTreeWidgetItem* line, const std::optional<QColor>& colour, bool bold);
