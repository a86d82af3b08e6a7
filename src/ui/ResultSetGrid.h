#pragma once

#include <QObject>
#include <QPointer>

class QTableView;
class TResultSetTableModel;

// Shows a result-set model in a grid: rows as tall as a line of text, columns
// as wide as their display widths (never narrower than their titles). The
// row the user moves to is the one shown selected; a click that would leave
// no row selected leaves the current one selected.
// Neither the grid nor the model is owned.
class TResultSetGrid : public QObject
{
    Q_OBJECT

public:
    TResultSetGrid(QTableView* grid, TResultSetTableModel* model, QObject* parent = nullptr);

    // The grid's current row, -1 when none.
    int SelectedRow() const;
    // Makes the row current and selected; -1 (or a row not there) selects none.
    void SelectRow(int row);

private:
    void SizeColumns();

    QPointer<QTableView> m_grid;
    QPointer<TResultSetTableModel> m_model;
};
