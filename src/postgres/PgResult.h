#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

struct pg_result;

// The rows of one statement, owned: freed when the object goes.
// Values are read as UTF-8 text (the connection asks for it).
class TPgResult
{
public:
    explicit TPgResult(pg_result* result = nullptr) noexcept : m_result(result) {}
    ~TPgResult();
    TPgResult(TPgResult&& other) noexcept;
    TPgResult& operator=(TPgResult&& other) noexcept;
    TPgResult(const TPgResult&) = delete;
    TPgResult& operator=(const TPgResult&) = delete;

    int RowCount() const;
    int ColumnCount() const;
    // As the server names the column (unquoted names folded to lower case).
    QString ColumnName(int column) const;
    // The type of the column's values (the server's type OID: 23 integer, 1700 numeric, ...).
    unsigned ColumnType(int column) const;
    // The value's text as the server sent it, UTF-8; valid while the result lives.
    QByteArrayView Bytes(int row, int column) const;
    bool IsNull(int row, int column) const;
    QString Text(int row, int column) const;
    // Nothing for NULL.
    std::optional<QString> Value(int row, int column) const;
    qint64 Integer(int row, int column) const;
    // Rows changed by an INSERT, UPDATE or DELETE.
    int ChangedRows() const;

private:
    pg_result* m_result;
};
