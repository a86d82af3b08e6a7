#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws the cells of a list or grid as usual, except that a right-aligned
// cell followed by a left-aligned column keeps a margin of about one digit
// before its right edge: an amount or a number never runs into the text of
// the next column.
class TCellMarginDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TCellMarginDelegate(QObject* parent = nullptr);

    // The margin, in pixels, for a view with that font.
    static int Margin(const QFont& font);
    // Installs the delegate on the view (which owns it).
    static void Install(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    bool NeedsMargin(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};
