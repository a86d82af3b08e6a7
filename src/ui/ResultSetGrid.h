#pragma once

#include <QObject>
#include <QPointer>

class QModelIndex;
class QTableView;
class TResultSetTableModel;

// Shows a result-set model in a grid: rows as tall as a line of text, columns
// as wide as their display widths (never narrower than their titles), and the
// grid's selected row and the set's current row kept in step both ways: the
// current row is always the one shown selected.
// Neither the grid nor the model is owned.
class TResultSetGrid : public QObject
{
    Q_OBJECT

public:
    TResultSetGrid(QTableView* grid, TResultSetTableModel* model, QObject* parent = nullptr);

private slots:
    void ModelReset();
    void SelectCurrentRow();
    void GridCurrentRowChanged(const QModelIndex& current);

private:
    void SizeColumns();

    QPointer<QTableView> m_grid;
    QPointer<TResultSetTableModel> m_model;
};
