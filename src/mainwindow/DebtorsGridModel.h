#pragma once

#include "ui/ResultSetTableModel.h"

#include <optional>

// How a debtor's row reads in the grid: black and regular, red while an
// overdue instalment is open, bold after two or more overdue instalments.
struct TDebtorRowLook
{
    bool Red = false;
    bool Bold = false;

    bool operator==(const TDebtorRowLook&) const = default;
};

// The look from the row's overdue counters; an unknown count of open overdue
// instalments (NULL) never makes the row red.
TDebtorRowLook DebtorRowLook(qint64 delayCount, std::optional<qint64> activeDelayCount);

// The debtors list as the main window's grid shows it: the list's columns
// under their captions and widths, every cell of a row (the selected one too)
// in the row's look.
class TDebtorsGridModel : public TResultSetTableModel
{
    Q_OBJECT

public:
    explicit TDebtorsGridModel(QObject* parent = nullptr);

    TDebtorRowLook RowLook(int row) const;
    // The ID of the debtor listed at the row; 0 for none.
    int DebtorID(int row) const;
    // The row listing the debtor, -1 when he is not listed.
    int RowOfDebtor(int debtorID) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
