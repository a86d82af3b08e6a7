#include "PgTransactionScope.h"

#include "PgConnection.h"

TPgTransactionScope::TPgTransactionScope(TPgConnection& connection)
    : m_connection(connection)
{
    if (m_connection.ScopeDepth() > 0) {
        m_savepoint = QStringLiteral("VarnelScope%1").arg(m_connection.ScopeDepth() + 1);
        m_connection.Execute(QStringLiteral("SAVEPOINT ") + m_savepoint);
    } else {
        m_connection.Execute(QStringLiteral("BEGIN"));
    }
    m_connection.EnterScope();
}

TPgTransactionScope::~TPgTransactionScope()
{
    if (!m_finished)
        Rollback();
}

void TPgTransactionScope::Commit()
{
    if (m_finished)
        return;
    // A failing commit leaves the scope open; the destructor then rolls it back.
    m_connection.Execute(IsNested() ? QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint : QStringLiteral("COMMIT"));
    m_finished = true;
    m_connection.LeaveScope();
}

void TPgTransactionScope::Rollback() noexcept
{
    m_finished = true;
    m_connection.LeaveScope();
    if (!m_connection.InTransaction())
        return;
    try {
        if (IsNested()) {
            m_connection.Execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_savepoint);
            m_connection.Execute(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
        } else {
            m_connection.Execute(QStringLiteral("ROLLBACK"));
        }
    } catch (...) {
        // Never throw from here: the error that brought us here is the one to report.
    }
}
