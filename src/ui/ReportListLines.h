#pragma once

#include <QColor>
#include <QStringList>
#include <optional>
#include <span>

class QTreeWidget;
class QTreeWidgetItem;

// Lines of the read-only report lists (credits, schedules): cells aligned as
// their column headers, and one colour and weight for the whole line.

// Column widths as designed, widened where the font at hand needs more room
// for a caption or, where given, for the widest value the column holds, in
// bold. A right-aligned column followed by a left-aligned one keeps a margin
// between the two (the list draws its cells with TCellMarginDelegate).
void SetColumnWidths(QTreeWidget* list, std::span<const int> widths, const QStringList& widestValues = {});
// Sample values as wide as the widest a column shows: an amount below a
// hundred million roubles, a date, a text of that many characters.
QString WidestAmountText();
QString WidestDateText();
QString WidestTextOf(int characters);
// The width the list needs to show all its columns side by side beside its
// vertical scroll bar, without a horizontal one.
int ColumnsRoom(const QTreeWidget* list);
// How many pixels the list, as its window places it now, lacks for that (0
// when the columns fit).
int MissingColumnsRoom(QTreeWidget* list);
// Sets the cell texts in column order, each aligned like its column header.
void SetLineTexts(const QTreeWidget* list, QTreeWidgetItem* line, const QStringList& texts);
// Every cell in the colour (none: the list's normal text colour), bold or regular.
void SetLineLook(const QTreeWidget* list, QTreeWidgetItem* line, const std::optional<QColor>& colour, bool bold);
