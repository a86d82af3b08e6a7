#pragma once

#include <QTreeWidget>

// A tree that never shows a horizontal scroll bar, however wide its items.
// With word wrap on, a long line wraps within the visible width (rows grow to
// hold it); otherwise it is cut at the right edge.
class TNoHScrollTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TNoHScrollTreeView(QWidget* parent = nullptr);

protected:
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* event) override;
};
