#include "SQLiteConnection.h"

#include "Cp1251Codec.h"
#include "SQLiteError.h"

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

TSQLiteConnection::TSQLiteConnection() = default;

TSQLiteConnection::~TSQLiteConnection() = default;

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
    // The file name reaches SQLite in the file system's own encoding.
    const QByteArray name = m_fileName.toUtf8();
    m_database = GuardSQLite([&] {
        return std::make_unique<SQLite::Database>(name.constData(), SQLite::OPEN_READWRITE, m_busyTimeoutMs);
    });
    m_scopeDepth = 0;
}

void TSQLiteConnection::Close()
{
    // An open transaction is rolled back by SQLite when the handle closes.
    m_database.reset();
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

bool TSQLiteConnection::InTransaction()
{
    return m_database && sqlite3_get_autocommit(m_database->getHandle()) == 0;
}
