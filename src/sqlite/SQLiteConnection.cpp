#include "SQLiteConnection.h"

#include "Cp1251Codec.h"
#include "SQLiteError.h"

#include <QScopeGuard>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

namespace {

// Enough for every statement text of the program; texts built from typed
// filters beyond that only cost a new preparation.
constexpr std::size_t MaxKeptStatements = 256;

}

TSQLiteConnection::TSQLiteConnection() = default;

TSQLiteConnection::~TSQLiteConnection()
{
    m_statements.clear();
}

void TSQLiteConnection::SetFileName(const QString& fileName)
{
    m_fileName = fileName.trimmed();
}

void TSQLiteConnection::Open()
{
    if (m_database)
        return;
    if (m_fileName.isEmpty())
        throw EDatabaseException(QStringLiteral("Файл базы данных не задан."), SQLITE_CANTOPEN, SQLITE_CANTOPEN);
    // The file name reaches SQLite in the file system's own encoding. The
    // connection is only ever used from the user-interface thread, so SQLite's
    // own locking around every call is left out.
    const QByteArray name = m_fileName.toUtf8();
    m_database = GuardSQLite(
        [&] { return std::make_unique<SQLite::Database>(name.constData(), SQLite::OPEN_READWRITE | SQLite::OPEN_NOMUTEX,
                                                      m_busyTimeoutMs); });
    m_scopeDepth = 0;
    ++m_generation;
}

void TSQLiteConnection::Close()
{
    // An open transaction is rolled back by SQLite when the handle closes.
    m_statements.clear();
    m_database.reset();
    ++m_generation;
    m_scopeDepth = 0;
}

void TSQLiteConnection::SetBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_database)
        GuardSQLite([&] { m_database->setBusyTimeout(milliseconds); });
}

SQLite::Database& TSQLiteConnection::Database()
{
    Open();
    return *m_database;
}

void TSQLiteConnection::Execute(const QString& sql)
{
    const QByteArray text = Cp1251::Encode(sql);
    SQLite::Database& database = Database();
    GuardSQLite([&] { database.exec(text.constData()); });
}

qint64 TSQLiteConnection::DataVersion()
{
    SQLite::Database& database = Database();
    // A look, not a wait: while another program is writing, it fails at once
    // (as busy) and the caller looks again later.
    sqlite3_busy_timeout(database.getHandle(), 0);
    const auto restore = qScopeGuard([&] { sqlite3_busy_timeout(database.getHandle(), m_busyTimeoutMs); });
    return GuardSQLite([&] { return database.execAndGet("PRAGMA data_version").getInt64(); });
}

bool TSQLiteConnection::InTransaction()
{
    return m_database && sqlite3_get_autocommit(m_database->getHandle()) == 0;
}

std::unique_ptr<SQLite::Statement> TSQLiteConnection::TakeStatement(const QByteArray& sql)
{
    const auto kept = m_statements.find(sql.toStdString());
    if (kept == m_statements.end())
        return nullptr;
    std::unique_ptr<SQLite::Statement> statement = std::move(kept->second);
    m_statements.erase(kept);
    return statement;
}

void TSQLiteConnection::KeepStatement(const QByteArray& sql, std::unique_ptr<SQLite::Statement> statement,
                                      quint64 generation)
{
    if (!m_database || generation != m_generation)
        return; // prepared on a database closed since
    if (m_statements.size() >= MaxKeptStatements)
        m_statements.clear();
    m_statements.emplace(sql.toStdString(), std::move(statement));
}
