#include "ReportListLines.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

void SetColumnWidths(QTreeWidget* list, std::span<const int> widths, const QStringList& widestValues)
{
    const QFontMetrics captionMetrics(list->header()->font());
    const int captionMargins =
        2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list->header()) + 4;
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
        const int captionWidth = captionMetrics.horizontalAdvance(list->headerItem()->text(column)) + captionMargins;
        // The value's text plus the cell's inner margins.
        const int valueWidth =
            column < widestValues.size() ? list->fontMetrics().horizontalAdvance(widestValues[column]) + 12 : 0;
        list->setColumnWidth(column, std::max({widths[static_cast<std::size_t>(column)], captionWidth, valueWidth}));
    }
}

int ColumnsRoom(const QTreeWidget* list)
{
    int width = 0;
    for (int column = 0; column < list->columnCount(); ++column)
        width += list->columnWidth(column);
    return width + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
}

int MissingColumnsRoom(QTreeWidget* list)
{
    // Before the window is first shown its nested layouts have not placed
    // the list yet; place it, from the window down.
    QList<QWidget*> parents;
    for (QWidget* parent = list->parentWidget(); parent; parent = parent->parentWidget())
        parents.prepend(parent);
    for (QWidget* parent : parents)
        if (parent->layout())
            parent->layout()->activate();
    return std::max(0, ColumnsRoom(list) - list->width());
}

void SetLineTexts(const QTreeWidget* list, QTreeWidgetItem* line, const QStringList& texts)
{
    for (int column = 0; column < texts.size(); ++column) {
        line->setText(column, texts[column]);
        line->setTextAlignment(column, Qt::Alignment(list->headerItem()->textAlignment(column)));
    }
}

void SetLineLook(const QTreeWidget* list, QTreeWidgetItem* line, const std::optional<QColor>& colour, bool bold)
{
    QFont font = list->font();
    font.setBold(bold);
    const QVariant foreground = colour ? QVariant(*colour) : QVariant();
    for (int column = 0; column < list->columnCount(); ++column) {
        line->setData(column, Qt::ForegroundRole, foreground);
        line->setFont(column, font);
    }
}
