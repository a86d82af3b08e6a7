#pragma once

#include "sqlite/ResultSet.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

#include <vector>

// A result set as a read-only table for a grid: its visible columns in their
// order under their captions. Money-marked columns read in the locale's money
// format, columns declared as dates in the locale's short date (with the time
// when there is one), other numbers as the locale writes them, text as stored.
//
// The model follows the set: every opening, closing or change of the columns'
// presentation shows anew. Bound to a grid, it keeps the grid's selected row
// and the set's current row in step both ways, and sizes the columns from
// their display widths. Neither the set nor the grid is owned.
class TResultSetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TResultSetTableModel(QObject* parent = nullptr);
    ~TResultSetTableModel() override;

    // The set shown; none shows an empty table.
    void SetResultSet(TResultSet* resultSet);
    TResultSet* ResultSet() const { return m_resultSet; }
    // Makes the model the grid's and follows the grid's selected row.
    void Bind(QTableView* grid);

    // The index of the set's column shown in that grid column, or -1.
    int ResultSetColumn(int section) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private slots:
    void ResultSetChanged();
    void ResultSetScrolled();
    void GridCurrentRowChanged(const QModelIndex& current);

private:
    QString DisplayText(int row, int column) const;
    bool AlignedRight(int row, int column) const;
    void SizeColumns();
    void SelectCurrentRow();

    QPointer<TResultSet> m_resultSet;
    QPointer<QTableView> m_grid;
    std::vector<int> m_columns; // the visible columns of the set, in order
};
