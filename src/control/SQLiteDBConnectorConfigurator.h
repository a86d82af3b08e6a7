#pragma once

#include "CustomDBConnectorConfigurator.h"

class TSQLiteDBConnector;

// Keeps a SQLite connector's file name as the stored connection string.
// Any other kind of connector raises EConnectorNotSuportedException.
class TSQLiteDBConnectorConfigurator : public TCustomDBConnectorConfigurator
{
public:
    using TCustomDBConnectorConfigurator::TCustomDBConnectorConfigurator;

    // The stored connection string becomes the connector's.
    void LoadSettings(TCustomDBConnector& connector) override;
    // The connection's current file name is stored; nothing without a connection.
    void SaveSettings(TCustomDBConnector& connector) override;

private:
    TSQLiteDBConnector& SQLiteConnector(TCustomDBConnector& connector) const;
};
