#include "SQLiteDBConnectorConfigurator.h"

#include "ConnectorNotSuportedException.h"
#include "IStartupSettingsVisitor.h"
#include "SQLiteDBConnector.h"
#include "sqlite/SQLiteConnection.h"

void TSQLiteDBConnectorConfigurator::LoadSettings(TCustomDBConnector& connector)
{
    TSQLiteDBConnector& sqliteConnector = SQLiteConnector(connector);
    if (!Visitor())
        return;
    QString connectionString;
    Visitor()->ReadConnectionString(connectionString);
    sqliteConnector.SetConnectionString(connectionString);
}

void TSQLiteDBConnectorConfigurator::SaveSettings(TCustomDBConnector& connector)
{
    TSQLiteDBConnector& sqliteConnector = SQLiteConnector(connector);
    if (!Visitor() || !sqliteConnector.Connection())
        return;
    Visitor()->WriteConnectionString(sqliteConnector.Connection()->FileName());
}

TSQLiteDBConnector& TSQLiteDBConnectorConfigurator::SQLiteConnector(TCustomDBConnector& connector) const
{
    auto* sqliteConnector = dynamic_cast<TSQLiteDBConnector*>(&connector);
    if (!sqliteConnector)
        throw EConnectorNotSuportedException(connector, *this);
    return *sqliteConnector;
}
