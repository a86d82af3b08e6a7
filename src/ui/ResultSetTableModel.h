#pragma once

#include "sqlite/ResultSet.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <vector>

// A result set as a read-only table for a grid: its visible columns in their
// order under their captions. Money-marked columns read in the locale's money
// format, columns declared as dates in the locale's short date (with the time
// when there is one), other numbers as the locale writes them, text as stored.
//
// The model follows the set: every opening, closing or change of the columns'
// presentation resets it, and a move of the set's current row is told by
// CurrentRowChanged. It knows no view: TResultSetGrid puts it into a grid.
// The set is not owned.
class TResultSetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TResultSetTableModel(QObject* parent = nullptr);
    ~TResultSetTableModel() override;

    // The set shown; none shows an empty table.
    void SetResultSet(TResultSet* resultSet);
    TResultSet* ResultSet() const { return m_resultSet; }
    // The index of the set's column shown in that grid column, or -1.
    int ResultSetColumn(int section) const;
    // The display width, in characters, of the set's column shown there; 0
    // leaves the width to the grid.
    int DisplayWidth(int section) const;
    // The set's current row; -1 when there is none (no set, closed or empty).
    int CurrentRow() const;
    void SetCurrentRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void CurrentRowChanged();

private slots:
    void ResultSetChanged();

private:
    QString DisplayText(int row, int column) const;
    bool AlignedRight(int row, int column) const;

    QPointer<TResultSet> m_resultSet;
    std::vector<int> m_columns; // the visible columns of the set, in order
};
