#pragma once

#include <QString>

class TSQLiteConnection;

// All-or-nothing for a group of writes. The outermost scope begins a real
// transaction; a scope opened while a transaction is already running becomes
// a savepoint inside it, so an operation joins its caller's transaction
// instead of failing. A scope left without Commit (a failure, an exception)
// undoes everything written since it began.
class TTransactionScope
{
public:
    enum class TKind
    {
        Immediate, // takes the write lock at once, so no write fails half-way for a lock
        Deferred,
    };

    explicit TTransactionScope(TSQLiteConnection& connection, TKind kind = TKind::Immediate);
    ~TTransactionScope();
    TTransactionScope(const TTransactionScope&) = delete;
    TTransactionScope& operator=(const TTransactionScope&) = delete;

    void Commit();
    bool IsNested() const { return !m_savepoint.isEmpty(); }

private:
    void Rollback() noexcept;

    TSQLiteConnection& m_connection;
    QString m_savepoint; // empty for the outermost scope
    bool m_finished = false;
};
