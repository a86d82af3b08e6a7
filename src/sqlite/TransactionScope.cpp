#include "TransactionScope.h"

#include "SQLiteConnection.h"

TTransactionScope::TTransactionScope(TSQLiteConnection& connection, TKind kind)
    : m_connection(connection)
{
    m_connection.Open();
    if (m_connection.InTransaction()) {
        m_savepoint = QStringLiteral("VarnelScope%1").arg(m_connection.ScopeDepth() + 1);
        m_connection.Execute(QStringLiteral("SAVEPOINT ") + m_savepoint);
    } else {
        m_connection.Execute(kind == TKind::Immediate ? QStringLiteral("begin immediate transaction")
                                                      : QStringLiteral("begin transaction"));
    }
    m_connection.EnterScope();
}

TTransactionScope::~TTransactionScope()
{
    if (!m_finished)
        Rollback();
}

void TTransactionScope::Commit()
{
    if (m_finished)
        return;
    // A failing commit leaves the transaction open; the destructor then rolls it back.
    m_connection.Execute(IsNested() ? QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint
                                    : QStringLiteral("commit transaction"));
    m_finished = true;
    m_connection.LeaveScope();
}

void TTransactionScope::Rollback() noexcept
{
    m_finished = true;
    m_connection.LeaveScope();
    // SQLite may already have rolled the whole transaction back by itself
    // (after a disk or memory error, say); then there is nothing left to undo.
    if (!m_connection.IsOpen() || !m_connection.InTransaction())
        return;
    try {
        if (IsNested()) {
            m_connection.Execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_savepoint);
            m_connection.Execute(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
        } else {
            m_connection.Execute(QStringLiteral("rollback transaction"));
        }
    } catch (...) {
        // Never throw from here: the error that brought us here is the one to report.
    }
}
