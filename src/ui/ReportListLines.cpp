#include "ReportListLines.h"

#include "CellMarginDelegate.h"
#include "DisplayFormats.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

void SetColumnWidths(QTreeWidget* list, std::span<const int> widths, const QStringList& widestValues)
{
    TCellMarginDelegate::Install(list);
    const QFontMetrics captionMetrics(list->header()->font());
    const int captionMargins =
        2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list->header()) + 4;
    // Lines may be bold: values are measured in the bold face of the list's font.
    QFont bold = list->font();
    bold.setBold(true);
    const QFontMetrics valueMetrics(bold);
    const int valueMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 4;
    const int columns = static_cast<int>(widths.size());
    for (int column = 0; column < columns; ++column) {
        const int captionWidth = captionMetrics.horizontalAdvance(list->headerItem()->text(column)) + captionMargins;
        int valueWidth = 0;
        if (column < widestValues.size()) {
            valueWidth = valueMetrics.horizontalAdvance(widestValues[column]) + valueMargins;
            const bool rightAligned = list->headerItem()->textAlignment(column) & Qt::AlignRight;
            const bool nextLeftAligned =
                column + 1 < columns && !(list->headerItem()->textAlignment(column + 1) & Qt::AlignRight);
            if (rightAligned && nextLeftAligned)
                valueWidth += TCellMarginDelegate::Margin(list->font());
        }
        list->setColumnWidth(column, std::max({widths[static_cast<std::size_t>(column)], captionWidth, valueWidth}));
    }
}

QString WidestAmountText()
{
    return FormatMoney(Money::FromUnits(999999999900)); // 99 999 999,99
}

QString WidestDateText()
{
    return FormatShortDate(DateTime::FromYMD(2000, 12, 28));
}

QString WidestTextOf(int characters)
{
    return QString(characters, QLatin1Char('0'));
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
