#include "CellMarginDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {
Qt::Alignment HeaderAlignment(const QAbstractItemModel* model, int column)
{
    return Qt::Alignment(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
}
}

TCellMarginDelegate::TCellMarginDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

int TCellMarginDelegate::Margin(const QFont& font)
{
    return QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
}

void TCellMarginDelegate::Install(QAbstractItemView* view)
{
    view->setItemDelegate(new TCellMarginDelegate(view));
}

bool TCellMarginDelegate::NeedsMargin(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QAbstractItemModel* model = index.model();
    if (!model || index.column() + 1 >= model->columnCount(index.parent()))
        return false;
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    return (cell.displayAlignment & Qt::AlignRight) && !(HeaderAlignment(model, index.column() + 1) & Qt::AlignRight);
}

void TCellMarginDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!NeedsMargin(option, index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // Background and selection over the whole cell, the text off its right edge.
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    QStyleOptionViewItem inner(option);
    inner.rect.setRight(inner.rect.right() - Margin(option.font));
    QStyledItemDelegate::paint(painter, inner, index);
}

QSize TCellMarginDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (NeedsMargin(option, index))
        size.rwidth() += Margin(option.font);
    return size;
}
