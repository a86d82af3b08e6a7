#include "NoHScrollTreeView.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QStyledItemDelegate>

namespace {

// Qt measures a row with a rectangle of no height, which its style takes as
// "no width known" and so never wraps the text: the row stays one line high
// and the wrapped text is clipped. Here a row is measured at the width its
// text really gets.
class TWrappingDelegate : public QStyledItemDelegate
{
public:
    explicit TWrappingDelegate(QTreeView* tree)
        : QStyledItemDelegate(tree)
        , m_tree(tree)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!m_tree->wordWrap())
            return QStyledItemDelegate::sizeHint(option, index);
        int depth = 0;
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
            ++depth;
        const int indent = m_tree->rootIsDecorated() ? (depth + 1) * m_tree->indentation()
                                                     : depth * m_tree->indentation();
        QStyleOptionViewItem measured(option);
        const int width = m_tree->header()->sectionSize(index.column()) - (index.column() == 0 ? indent : 0);
        measured.rect = QRect(0, 0, qMax(width, 1), 1);
        return QStyledItemDelegate::sizeHint(measured, index);
    }

private:
    QTreeView* m_tree;
};

}

TNoHScrollTreeView::TNoHScrollTreeView(QWidget* parent)
    : QTreeWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(true);
    setItemDelegate(new TWrappingDelegate(this));
}

void TNoHScrollTreeView::updateGeometries()
{
    // Whoever turned the bar on (a .ui property, a style), it is off again
    // before the layout is recomputed.
    if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTreeWidget::updateGeometries();
}

void TNoHScrollTreeView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    // A new width wraps the lines anew, and so changes the rows' heights.
    if (wordWrap() && event->size().width() != event->oldSize().width())
        scheduleDelayedItemsLayout();
}
