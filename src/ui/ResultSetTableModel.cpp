#include "ResultSetTableModel.h"

#include "DisplayFormats.h"

#include "sqlite/ResultSet.h"
#include "sqlite/ValueForms.h"

#include <QLocale>


namespace {

bool IsDateColumn(const TResultSet& set, int column)
{
    const QString type = set.ColumnDeclaredType(column).toUpper();
    return type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME"));
}

bool IsNumber(const QVariant& value)
{
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Double;
}

// A date as the file holds it ("2009-05-07 14:23:11.123"); a text that is no
// such date is shown as it is rather than as 30.12.1899.
QString DateText(const QString& stored)
{
    const DateTime value = ValueForms::DateTimeFromText(stored);
    if (value.IsZero() && !stored.startsWith(QLatin1String("1899-12-30")))
        return stored;
    QString text = FormatShortDate(value);
    if (value.MSecOfDay() != 0)
        text += QLatin1Char(' ') + QLocale().toString(value.Time(), QLocale::ShortFormat);
    return text;
}

// Plain numbers: the locale's decimal separator, no grouping (IDs and codes
// must not read as amounts), no trailing zeros.
QString NumberText(const QVariant& value)
{
    if (value.typeId() == QMetaType::LongLong)
        return FormatWholeNumber(value.toLongLong());
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value.toDouble(), 'g', 15);
}

}

TResultSetTableModel::TResultSetTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

TResultSetTableModel::~TResultSetTableModel() = default;

void TResultSetTableModel::SetResultSet(TResultSet* resultSet)
{
    if (m_resultSet != resultSet) {
        if (m_resultSet)
            m_resultSet->disconnect(this);
        m_resultSet = resultSet;
        // A set freed while still shown leaves an empty table, never a dangling one.
        if (resultSet)
            connect(resultSet, &QObject::destroyed, this, &TResultSetTableModel::ResultSetChanged);
    }
    ResultSetChanged();
}

void TResultSetTableModel::ShowColumns(const std::vector<TGridColumn>& columns)
{
    m_looks = columns;
    ResultSetChanged();
}

void TResultSetTableModel::ShowAsMoney(const QStringList& columnNames)
{
    beginResetModel();
    m_moneyColumns = columnNames;
    endResetModel();
}

bool TResultSetTableModel::IsMoney(int column) const
{
    return m_moneyColumns.contains(m_resultSet->ColumnName(column), Qt::CaseInsensitive);
}

int TResultSetTableModel::ResultSetColumn(int section) const
{
    if (section < 0 || std::size_t(section) >= m_columns.size())
        return -1;
    return m_columns[std::size_t(section)].Index;
}

int TResultSetTableModel::FindRow(const QString& column, qint64 value) const
{
    if (!m_resultSet || !m_resultSet->IsOpen())
        return -1;
    const int index = m_resultSet->FindColumn(column);
    return index < 0 ? -1 : m_resultSet->FindRow(index, value);
}

int TResultSetTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_resultSet || !m_resultSet->IsOpen())
        return 0;
    return m_resultSet->RowCount();
}

int TResultSetTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TResultSetTableModel::data(const QModelIndex& index, int role) const
{
    const int column = ResultSetColumn(index.column());
    if (!index.isValid() || column < 0 || index.row() >= rowCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(index.row(), column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (AlignedRight(index.row(), column) ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return QVariant();
    }
}

QVariant TResultSetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int column = ResultSetColumn(section);
    if (orientation != Qt::Horizontal || column < 0)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_columns[std::size_t(section)].Look.Caption;
    case Qt::TextAlignmentRole: {
        // Over amounts and numbers the caption stands right, like the values.
        const bool right = IsMoney(column) || (rowCount() > 0 && AlignedRight(0, column));
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return QVariant();
    }
}

QString TResultSetTableModel::DisplayText(int row, int column) const
{
    if (m_resultSet->IsNull(row, column))
        return QString();
    if (IsMoney(column))
        return FormatMoney(m_resultSet->MoneyValue(row, column));
    if (IsDateColumn(*m_resultSet, column))
        return DateText(m_resultSet->Text(row, column));
    const QVariant value = m_resultSet->Value(row, column);
    return IsNumber(value) ? NumberText(value) : value.toString();
}

bool TResultSetTableModel::AlignedRight(int row, int column) const
{
    if (IsMoney(column))
        return true;
    return !IsDateColumn(*m_resultSet, column) && IsNumber(m_resultSet->Value(row, column));
}

void TResultSetTableModel::ResultSetChanged()
{
    // The set has already changed by the time it is handed over: the grid is shown anew.
    beginResetModel();
    m_columns.clear();
    if (m_resultSet && m_looks.empty())
        for (int i = 0; i < m_resultSet->ColumnCount(); ++i)
            m_columns.push_back({i, {m_resultSet->ColumnName(i), m_resultSet->ColumnName(i), 0}});
    else if (m_resultSet)
        for (const TGridColumn& look : m_looks)
            if (const int index = m_resultSet->FindColumn(look.Name); index >= 0)
                m_columns.push_back({index, look});
    endResetModel();
}

int TResultSetTableModel::DisplayWidth(int section) const
{
    const int column = ResultSetColumn(section);
    return column < 0 ? 0 : m_columns[std::size_t(section)].Look.Width;
}
