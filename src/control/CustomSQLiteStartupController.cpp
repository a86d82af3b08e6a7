#include "CustomSQLiteStartupController.h"

#include "SQLiteDBConnector.h"
#include "SQLiteDBConnectorConfigurator.h"
#include "settings/SimpleSettingsManager.h"
#include "sqlite/SQLiteConnection.h"

bool TCustomSQLiteStartupController::ConnectSQLite(TConnectMode mode, TSQLiteConnection* connection,
                                                   THistoryManager* history, TSimpleSettingsManager* settings,
                                                   const TDBVersion& expected, IDBVersionChecker* checker)
{
    m_settings = settings;
    TSQLiteDBConnector connector(connection, history);
    TSQLiteDBConnectorConfigurator configurator(this);
    if (mode == cmGivenFile && connection)
        connector.SetConnectionString(connection->FileName());
    return Connect(mode, &connector, &configurator, checker, expected);
}

void TCustomSQLiteStartupController::ReadConnectionString(QString& value)
{
    value = m_settings ? m_settings->GetSetting(TSimpleSettingsManager::ConnectionStringSection,
                                                TSimpleSettingsManager::ConnectionStringIdent, QString())
                       : QString();
}

void TCustomSQLiteStartupController::WriteConnectionString(const QString& value)
{
    if (m_settings)
        m_settings->SetSettingValue(TSimpleSettingsManager::ConnectionStringSection,
                                    TSimpleSettingsManager::ConnectionStringIdent, value);
}
