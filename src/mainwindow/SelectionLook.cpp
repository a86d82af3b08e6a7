#include "SelectionLook.h"

#include <QAbstractItemView>
#include <QPalette>
#include <QStyledItemDelegate>

namespace {

// Draws a selected cell's text in the cell's own colour, where it has one,
// instead of the selection's text colour.
class TColouredSelectionDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>())
            option->palette.setBrush(QPalette::HighlightedText, qvariant_cast<QBrush>(foreground));
    }
};

const QColor SelectionBand(204, 232, 255);

}

void KeepLineColoursInSelection(QAbstractItemView* view)
{
    QPalette palette = view->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, SelectionBand);
        palette.setColor(group, QPalette::HighlightedText, palette.color(group, QPalette::Text));
    }
    view->setPalette(palette);
    view->setItemDelegate(new TColouredSelectionDelegate(view));
}
