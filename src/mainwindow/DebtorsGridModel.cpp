#include "DebtorsGridModel.h"

#include <QColor>
#include <QFont>

namespace {
const QString DebtorIDField = QStringLiteral("DebtorID");
}

TDebtorRowLook DebtorRowLook(qint64 delayCount, std::optional<qint64> activeDelayCount)
{
    TDebtorRowLook look;
    look.Bold = delayCount > 1;
    look.Red = activeDelayCount && *activeDelayCount > 0;
    return look;
}

TDebtorsGridModel::TDebtorsGridModel(QObject* parent)
    : TResultSetTableModel(parent)
{
    // Widths in characters; the code takes what its values need.
    ShowColumns({{DebtorIDField, QStringLiteral("Код"), 0},
                 {QStringLiteral("Surname"), QStringLiteral("Фамилия"), 25},
                 {QStringLiteral("Name"), QStringLiteral("Имя"), 25},
                 {QStringLiteral("PatronymicName"), QStringLiteral("Отчество"), 25},
                 {QStringLiteral("DelayCount"), QStringLiteral("Просрочек всего"), 20},
                 {QStringLiteral("ActiveDelayCount"), QStringLiteral("Активных просрочек"), 20}});
}

int TDebtorsGridModel::DebtorID(int row) const
{
    const TResultSet* list = ResultSet();
    if (!list || row < 0 || row >= rowCount())
        return 0;
    const int column = list->FindColumn(DebtorIDField);
    return column < 0 ? 0 : int(list->Integer(row, column));
}

int TDebtorsGridModel::RowOfDebtor(int debtorID) const
{
    return debtorID > 0 ? FindRow(DebtorIDField, debtorID) : -1;
}

TDebtorRowLook TDebtorsGridModel::RowLook(int row) const
{
    const TResultSet* list = ResultSet();
    if (!list || row < 0 || row >= rowCount())
        return {};
    const int delayCount = list->FindColumn(QStringLiteral("DelayCount"));
    const int activeDelayCount = list->FindColumn(QStringLiteral("ActiveDelayCount"));
    std::optional<qint64> active;
    if (activeDelayCount >= 0 && !list->IsNull(row, activeDelayCount))
        active = list->Integer(row, activeDelayCount);
    return DebtorRowLook(delayCount >= 0 ? list->Integer(row, delayCount) : 0, active);
}

QVariant TDebtorsGridModel::data(const QModelIndex& index, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        if (!index.isValid())
            return QVariant();
        return QColor(RowLook(index.row()).Red ? Qt::red : Qt::black);
    case Qt::FontRole: {
        if (!index.isValid() || !RowLook(index.row()).Bold)
            return QVariant();
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default:
        return TResultSetTableModel::data(index, role);
    }
}
