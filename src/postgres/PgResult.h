#pragma once

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
