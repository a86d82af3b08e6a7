#pragma once

#include "CustomDBConnector.h"

#include <QString>

class THistoryManager;
class TSQLiteConnection;

// Opens a SQLite loan-book file: the one named by ConnectionString, or the
// one the user chooses in the connection dialog when no name is known.
// Every file that opens is added to the recent-databases list.
class TSQLiteDBConnector : public TCustomDBConnector
{
public:
    // Neither the connection nor the list is owned; the list may be absent.
    TSQLiteDBConnector(TSQLiteConnection* connection, THistoryManager* history);

    void Reset() override;
    bool Connect() override;

    TSQLiteConnection* Connection() const { return m_connection; }
    QString ConnectionString() const { return m_connectionString; }
    void SetConnectionString(const QString& value) { m_connectionString = value; }

private:
    TSQLiteConnection* m_connection;
    QString m_connectionString;
    THistoryManager* m_history;
};

// Puts a non-blank connection string on the connection as its file name;
// otherwise closes the connection and asks for the file in the connection
// dialog (a cancelled dialog leaves the name as it was). Then tries the file.
bool SelectDatabaseFile(const QString& connectionString, TSQLiteConnection* connection);

// True when a file exists under the connection's file name and opens; the
// connection is left closed. A failure is not reported.
bool TestOpenDatabase(TSQLiteConnection* connection);
