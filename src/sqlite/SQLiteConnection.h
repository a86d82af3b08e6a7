#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>

namespace SQLite {
class Database;
class Statement;
}

// The one connection to the loan-book file. Text goes through it unconverted,
// as Windows-1251 bytes (see Cp1251Codec).
class TSQLiteConnection
{
public:
    // How long a statement waits for another program's lock before it fails.
    static constexpr int DefaultBusyTimeoutMs = 5000;

    TSQLiteConnection();
    ~TSQLiteConnection();
    TSQLiteConnection(const TSQLiteConnection&) = delete;
    TSQLiteConnection& operator=(const TSQLiteConnection&) = delete;

    // Surrounding blanks are dropped; nothing is added to the name.
    void SetFileName(const QString& fileName);
    const QString& FileName() const { return m_fileName; }

    // Raises EDatabaseException with SQLite's message when the file cannot be opened.
    // A missing file is never created: a new loan book is made by varnel-tool only.
    void Open();
    void Close();
    bool IsOpen() const { return m_database != nullptr; }

    void SetBusyTimeout(int milliseconds);
    int BusyTimeout() const { return m_busyTimeoutMs; }

    // The open database; opens the file first when the connection is closed.
    SQLite::Database& Database();
    // Runs statements that yield no rows.
    void Execute(const QString& sql);
    bool InTransaction();
    // SQLite's data_version: it moves whenever another connection, of this
    // program or another, has committed a change to the file since the last
    // look; this connection's own commits leave it alone. Opens the file first
    // when the connection is closed. Meaningful only between two looks within
    // one Generation. Never waits for another program's lock: raises the
    // busy error at once instead.
    qint64 DataVersion();
    // How many TTransactionScopes are open on this connection.
    int ScopeDepth() const { return m_scopeDepth; }

    // Prepared statements kept for reuse by their text (see TSQLStatement):
    // preparing costs more than running most of the program's statements.
    // Take hands one out (nothing when none is kept); Keep takes back a reset
    // one, prepared on the database of that generation. Closing forgets them
    // all; the program never changes the tables of an open file under them.
    std::unique_ptr<SQLite::Statement> TakeStatement(const QByteArray& sql);
    void KeepStatement(const QByteArray& sql, std::unique_ptr<SQLite::Statement> statement, quint64 generation);
    // Changes whenever the database is opened or closed.
    quint64 Generation() const { return m_generation; }

private:
    friend class TTransactionScope;
    // Kept by TTransactionScope alone. Closing the connection forgets every
    // scope at once, so leaving one after that changes nothing.
    void EnterScope() { ++m_scopeDepth; }
    void LeaveScope() noexcept
    {
        if (m_scopeDepth > 0)
            --m_scopeDepth;
    }

    QString m_fileName;
    int m_busyTimeoutMs = DefaultBusyTimeoutMs;
    int m_scopeDepth = 0;
    std::unique_ptr<SQLite::Database> m_database;
    quint64 m_generation = 0;
    // Declared after the database: the statements go before the database closes.
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> m_statements;
};
