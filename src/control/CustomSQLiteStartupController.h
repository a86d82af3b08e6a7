#pragma once

#include "IStartupSettingsVisitor.h"
#include "SimpleStartupController.h"

class THistoryManager;
class TSimpleSettingsManager;
class TSQLiteConnection;

// Connects to a SQLite loan-book file and keeps its name in the settings store.
class TCustomSQLiteStartupController : public TSimpleStartupController, public IStartupSettingsVisitor
{
public:
    // The list and the store may be absent; without a store nothing is read or kept.
    bool ConnectSQLite(TConnectMode mode, TSQLiteConnection* connection, THistoryManager* history,
                       TSimpleSettingsManager* settings, const TDBVersion& expected, IDBVersionChecker* checker);

    void ReadConnectionString(QString& value) override;
    void WriteConnectionString(const QString& value) override;

private:
    TSimpleSettingsManager* m_settings = nullptr;
};
