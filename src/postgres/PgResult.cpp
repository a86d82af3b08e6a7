#include "PgResult.h"

#include <libpq-fe.h>

#include <utility>

TPgResult::~TPgResult()
{
    PQclear(m_result);
}

TPgResult::TPgResult(TPgResult&& other) noexcept
    : m_result(std::exchange(other.m_result, nullptr))
{
}

TPgResult& TPgResult::operator=(TPgResult&& other) noexcept
{
    if (this != &other) {
        PQclear(m_result);
        m_result = std::exchange(other.m_result, nullptr);
    }
    return *this;
}

int TPgResult::RowCount() const
{
    return m_result ? PQntuples(m_result) : 0;
}

int TPgResult::ColumnCount() const
{
    return m_result ? PQnfields(m_result) : 0;
}

QString TPgResult::ColumnName(int column) const
{
    return QString::fromUtf8(PQfname(m_result, column));
}

unsigned TPgResult::ColumnType(int column) const
{
    return PQftype(m_result, column);
}

QByteArrayView TPgResult::Bytes(int row, int column) const
{
    return QByteArrayView(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
}

bool TPgResult::IsNull(int row, int column) const
{
    return PQgetisnull(m_result, row, column) != 0;
}

QString TPgResult::Text(int row, int column) const
{
    return QString::fromUtf8(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
}

std::optional<QString> TPgResult::Value(int row, int column) const
{
    if (IsNull(row, column))
        return std::nullopt;
    return Text(row, column);
}

qint64 TPgResult::Integer(int row, int column) const
{
    return Text(row, column).toLongLong();
}

int TPgResult::ChangedRows() const
{
    return QString::fromLatin1(PQcmdTuples(m_result)).toInt();
}
