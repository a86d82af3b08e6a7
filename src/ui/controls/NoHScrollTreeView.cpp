#include "NoHScrollTreeView.h"

#include <QHeaderView>

TNoHScrollTreeView::TNoHScrollTreeView(QWidget* parent)
    : QTreeWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(true);
}

void TNoHScrollTreeView::updateGeometries()
{
    // Whoever turned the bar on (a .ui property, a style), it is off again
    // before the layout is recomputed.
    if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTreeWidget::updateGeometries();
}
