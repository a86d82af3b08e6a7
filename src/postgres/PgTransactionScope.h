#pragma once

#include <QString>

class TPgConnection;

// All-or-nothing for a group of writes on the server, as TTransactionScope is
// for the file: the outermost scope begins a transaction, a nested one is a
// savepoint inside it; a scope left without Commit undoes what it wrote.
class TPgTransactionScope
{
public:
    explicit TPgTransactionScope(TPgConnection& connection);
    ~TPgTransactionScope();
    TPgTransactionScope(const TPgTransactionScope&) = delete;
    TPgTransactionScope& operator=(const TPgTransactionScope&) = delete;

    void Commit();
    bool IsNested() const { return !m_savepoint.isEmpty(); }

private:
    void Rollback() noexcept;

    TPgConnection& m_connection;
    QString m_savepoint; // empty for the outermost scope
    bool m_finished = false;
};
