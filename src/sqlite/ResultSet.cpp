#include "ResultSet.h"

#include "ResultSetExceptions.h"
#include "SQLStatement.h"
#include "SQLiteRowEngine.h"

TResultSet::TResultSet(TSQLiteConnection& connection, const QStringList& lines, const TQueryParams& params)
    : TResultSet(std::make_unique<TSQLiteRowEngine>(connection), lines, params)
{
}

TResultSet::TResultSet(std::unique_ptr<IRowEngine> engine, const QStringList& lines, const TQueryParams& params)
    : m_engine(std::move(engine))
    , m_lines(lines)
    , m_params(params)
{
    Open();
}

TResultSet::~TResultSet()
{
    ReleaseStorage();
}

// The storage of the last closed set, kept for the next opening: a big list
// would otherwise be written into memory freshly taken from the system (and
// faulted in page by page) every time it is opened.
TResultSet::TStorage& TResultSet::SpareStorage()
{
    static thread_local TStorage spare;
    return spare;
}

void TResultSet::ReleaseStorage()
{
    TStorage& spare = SpareStorage();
    if (m_storage.Capacity() > spare.Capacity()) {
        m_storage.Cells.clear();
        m_storage.Bytes.clear();
        std::swap(spare, m_storage);
    }
    m_storage = {};
}

QString TResultSet::EffectiveSQL() const
{
    const QString statement = TSQLStatement::JoinLines(m_lines);
    if (!m_filtered || m_filter.isEmpty())
        return statement;
    // The alias the server wants for a derived table; the file takes it as well.
    return QStringLiteral("select * from (") + statement + QStringLiteral(") as ListedRows where ") + m_filter;
}

void TResultSet::Open()
{
    if (m_open)
        return;
    Fetch();
    m_open = true;
}

void TResultSet::Close()
{
    if (!m_open)
        return;
    ReleaseStorage();
    m_rowCount = 0;
    m_open = false;
}

void TResultSet::Fetch()
{
    TQueryParams params = m_params;
    if (m_filtered && !m_filter.isEmpty())
        params += m_filterParams;
    const std::unique_ptr<IRowSource> source = m_engine->Run(EffectiveSQL(), params);
    IRowSource& rows = *source;

    const int columnCount = rows.ColumnCount();
    std::vector<TColumn> columns;
    columns.reserve(std::size_t(columnCount));
    for (int i = 0; i < columnCount; ++i)
        columns.push_back({ rows.ColumnName(i), rows.ColumnDeclaredType(i) });

    // The values stay as the engine gives them until they are read: one block
    // of bytes for the whole set instead of a string per value.
    TStorage storage;
    std::swap(storage, SpareStorage());
    storage.Cells.clear();
    storage.Bytes.clear();
    std::vector<TCell>& cells = storage.Cells;
    std::string& bytes = storage.Bytes;
    int rowCount = 0;
    while (rows.Step()) {
        for (int i = 0; i < columnCount; ++i) {
            const TStoredValue value = rows.Value(i);
            // An integer is taken as it is: writing it out is left to whoever reads it as text.
            const QByteArrayView text = value.Bytes();
            TCell cell;
            if (value.Type() == TStoredValue::Integer)
                cell.Integer = value.IntegerNumber();
            else
                cell.Offset = bytes.size();
            cell.Length = int(text.size());
            cell.Type = value.Type();
            cells.push_back(cell);
            bytes.append(text.data(), std::size_t(text.size()));
        }
        ++rowCount;
    }

    // Only a complete fetch replaces anything.
    m_columns = std::move(columns);
    ReleaseStorage();
    m_storage = std::move(storage);
    m_rowCount = rowCount;
}

void TResultSet::SetFilter(const QString& condition, const TQueryParams& params)
{
    if (condition == m_filter && params == m_filterParams)
        return;
    Close();
    m_filter = condition;
    m_filterParams = params;
}

void TResultSet::SetFiltered(bool value)
{
    if (value == m_filtered)
        return;
    if (!m_filter.isEmpty())
        Close();
    m_filtered = value;
}

int TResultSet::FindColumn(const QString& name) const
{
    for (int i = 0; i < ColumnCount(); ++i)
        if (m_columns[std::size_t(i)].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TResultSet::ColumnIndex(const QString& name) const
{
    const int index = FindColumn(name);
    if (index < 0)
        throw EFieldNotFoundException(name);
    return index;
}

int TResultSet::FindRow(int column, qint64 value) const
{
    for (int row = 0; row < m_rowCount; ++row)
        if (!IsNull(row, column) && Integer(row, column) == value)
            return row;
    return -1;
}

const TResultSet::TCell* TResultSet::Cell(int row, int column) const
{
    if (column < 0 || column >= ColumnCount())
        throw EFieldNotFoundException(QString::number(column));
    if (row < 0 || row >= m_rowCount)
        return nullptr;
    return &m_storage.Cells[std::size_t(row) * m_columns.size() + std::size_t(column)];
}

TStoredValue TResultSet::Stored(int row, int column) const
{
    const TCell* cell = Cell(row, column);
    if (!cell)
        return TStoredValue();
    if (cell->Type == TStoredValue::Integer)
        return TStoredValue::FromInteger(cell->Integer);
    return TStoredValue::FromBytes(cell->Type, QByteArrayView(m_storage.Bytes.data() + cell->Offset, cell->Length));
}

bool TResultSet::IsNull(int row, int column) const
{
    return Stored(row, column).IsNull();
}

QString TResultSet::Text(int row, int column) const
{
    return Stored(row, column).ToText();
}

qint64 TResultSet::Integer(int row, int column) const
{
    return Stored(row, column).ToInteger();
}

Money TResultSet::MoneyValue(int row, int column) const
{
    return Stored(row, column).ToMoney();
}

DateTime TResultSet::DateTimeValue(int row, int column) const
{
    return Stored(row, column).ToDateTime();
}

bool TResultSet::Flag(int row, int column) const
{
    return Stored(row, column).ToFlag();
}

QVariant TResultSet::Value(int row, int column) const
{
    return Stored(row, column).ToVariant();
}
