#include "CustomSQLiteStartupController.h"

#include "ISetting.h"
#include "ISimpleSettingsManager.h"
#include "SQLiteDBConnector.h"
#include "SQLiteDBConnectorConfigurator.h"
#include "sqlite/SQLiteConnection.h"

const QString TCustomSQLiteStartupController::ConnectionStringSection = QStringLiteral("DataSourceConnectionString");
const QString TCustomSQLiteStartupController::ConnectionStringIdent = QStringLiteral("ConnectionString");

TCustomSQLiteStartupController::TCustomSQLiteStartupController() = default;

TCustomSQLiteStartupController::~TCustomSQLiteStartupController() = default;

TCustomFileNameComposer& TCustomSQLiteStartupController::FileNameComposer()
{
    // Not made in the constructor: the factory belongs to the descendant.
    if (!m_fileNameComposer)
        m_fileNameComposer = CreateFileNameComposer();
    return *m_fileNameComposer;
}

bool TCustomSQLiteStartupController::ConnectSQLite(TConnectMode mode, TSQLiteConnection* connection,
                                                   IHistoryManagerInterface* history, ISimpleSettingsManager* settings,
                                                   const TDBVersion& expected, IDBVersionChecker* checker)
{
    m_settings = settings;
    if (m_settings)
        m_settings->SetFileNameComposer(&FileNameComposer());
    TSQLiteDBConnector connector(connection, history);
    TSQLiteDBConnectorConfigurator configurator(this);
    if (mode == cmGivenFile && connection)
        connector.SetConnectionString(connection->FileName());
    return Connect(mode, &connector, &configurator, checker, expected);
}

void TCustomSQLiteStartupController::ReadConnectionString(QString& value)
{
    value = m_settings ? m_settings->GetSetting(ConnectionStringSection, ConnectionStringIdent, QString()).Value()
                       : QString();
}

void TCustomSQLiteStartupController::WriteConnectionString(const QString& value)
{
    if (m_settings)
        m_settings->SetSettingValue(ConnectionStringSection, ConnectionStringIdent, value);
}
