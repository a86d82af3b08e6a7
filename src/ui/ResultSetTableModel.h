#pragma once

#include "sqlite/ResultSet.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include <vector>

// How a grid shows one column of a result set: the column's name in the set,
// the caption over it and its display width in characters (0 leaves the width
// to the grid).
struct TGridColumn
{
    QString Name;
    QString Caption;
    int Width = 0;
};

// A result set as a read-only table for a grid, under the captions its owner
// gives the columns. Money columns read in the locale's money format, columns
// declared as dates in the locale's short date (with the time when there is
// one), other numbers as the locale writes them, text as stored.
//
// The set is not owned and does not tell when it changes: whoever reopens it
// hands it over again, which shows it anew. It knows no view: TResultSetGrid
// puts it into a grid.
class TResultSetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TResultSetTableModel(QObject* parent = nullptr);
    ~TResultSetTableModel() override;

    // The set shown, read anew; none shows an empty table.
    void SetResultSet(TResultSet* resultSet);
    TResultSet* ResultSet() const { return m_resultSet; }
    // Only these columns of the set, in this order, under their captions;
    // until they are given, every column under its name.
    void ShowColumns(const std::vector<TGridColumn>& columns);
    // Columns of these names read as money.
    void ShowAsMoney(const QStringList& columnNames);
    // The index of the set's column shown in that grid column, or -1.
    int ResultSetColumn(int section) const;
    // The display width, in characters, of the column shown there; 0 leaves
    // the width to the grid.
    int DisplayWidth(int section) const;
    // The first row whose named column holds the integer, or -1.
    int FindRow(const QString& column, qint64 value) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void ResultSetChanged();
    QString DisplayText(int row, int column) const;
    bool IsMoney(int column) const;
    bool AlignedRight(int row, int column) const;

    // The set's column and how it is shown.
    struct TShownColumn
    {
        int Index;
        TGridColumn Look;
    };

    QPointer<TResultSet> m_resultSet;
    std::vector<TGridColumn> m_looks; // empty: every column
    std::vector<TShownColumn> m_columns;
    QStringList m_moneyColumns;
};
