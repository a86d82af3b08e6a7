#include "ResultSetGrid.h"

#include "ResultSetTableModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

namespace {

// Room for the cell's inner margins and the grid line.
constexpr int CellPadding = 10;
constexpr int RowPadding = 6;

}

TResultSetGrid::TResultSetGrid(QTableView* grid, TResultSetTableModel* model, QObject* parent)
    : QObject(parent)
    , m_grid(grid)
    , m_model(model)
{
    grid->setModel(model);
    // Rows as tall as a line of text, as in a list.
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + RowPadding);
    // After the grid's own handling of the reset, so that the columns are there to size.
    connect(model, &QAbstractItemModel::modelReset, this, &TResultSetGrid::SizeColumns);
    // A Ctrl+click takes the selection away, but the current row stays the
    // one commands act for: it stays shown selected.
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_grid && !m_grid->selectionModel()->hasSelection())
            SelectRow(SelectedRow());
    });
    SizeColumns();
}

void TResultSetGrid::SizeColumns()
{
    if (!m_grid || !m_model || m_grid->model() != m_model)
        return;
    // A display width counts characters; a digit is the character of the grid's font that
    // stands for them. The title always fits.
    const int digitWidth = m_grid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QHeaderView* header = m_grid->horizontalHeader();
    for (int section = 0; section < m_model->columnCount(); ++section) {
        const int characters = m_model->DisplayWidth(section);
        if (characters > 0)
            header->resizeSection(section,
                                  std::max(characters * digitWidth + CellPadding, header->sectionSizeHint(section)));
        else
            m_grid->resizeColumnToContents(section);
    }
}

int TResultSetGrid::SelectedRow() const
{
    if (!m_grid || !m_model || m_grid->model() != m_model)
        return -1;
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TResultSetGrid::SelectRow(int row)
{
    if (!m_grid || !m_model || m_grid->model() != m_model)
        return;
    QItemSelectionModel* selection = m_grid->selectionModel();
    if (row < 0 || row >= m_model->rowCount() || m_model->columnCount() == 0) {
        // The current row first, so that no selection is given back to it.
        selection->clearCurrentIndex();
        selection->clearSelection();
        return;
    }
    const int column = selection->currentIndex().isValid() ? selection->currentIndex().column() : 0;
    selection->setCurrentIndex(m_model->index(row, column),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
