#pragma once

#include <QTreeWidget>

// A tree that never shows a horizontal scroll bar, however wide its items:
// long lines are cut at the right edge instead.
class TNoHScrollTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TNoHScrollTreeView(QWidget* parent = nullptr);

protected:
    void updateGeometries() override;
};
