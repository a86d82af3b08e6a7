#include "SQLiteDBConnector.h"

#include "settings/HistoryManager.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Exception.h"
#include "ui/SQLiteConnectionBuildDialog.h"

#include <QFileInfo>

TSQLiteDBConnector::TSQLiteDBConnector(TSQLiteConnection* connection, THistoryManager* history)
    : m_connection(connection)
    , m_history(history)
{
}

void TSQLiteDBConnector::Reset()
{
    m_connectionString.clear();
}

bool TSQLiteDBConnector::Connect()
{
    const bool opened = SelectDatabaseFile(m_connectionString, m_connection);
    // Listed as soon as it opens, before its version is known.
    if (opened && m_history)
        m_history->Add(m_connection->FileName());
    return opened;
}

bool SelectDatabaseFile(const QString& connectionString, TSQLiteConnection* connection)
{
    if (!connection)
        return false;
    if (!connectionString.trimmed().isEmpty()) {
        connection->SetFileName(connectionString);
    } else {
        const QString current = connection->FileName();
        connection->Close();
        TSQLiteConnectionBuildDialog dialog;
        if (!current.isEmpty())
            dialog.SetStartFolder(QFileInfo(current).absolutePath());
        if (dialog.Execute())
            connection->SetFileName(dialog.GetFileName());
    }
    return TestOpenDatabase(connection);
}

bool TestOpenDatabase(TSQLiteConnection* connection)
{
    if (!connection || !QFileInfo(connection->FileName()).isFile())
        return false;
    try {
        // Closed first: the connection may still hold the previous file open.
        connection->Close();
        connection->Open();
        connection->Close();
        return true;
    } catch (const Exception&) {
        connection->Close();
        return false;
    }
}
