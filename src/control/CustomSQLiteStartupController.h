#pragma once

#include "CustomFileNameComposer.h"
#include "IStartupSettingsVisitor.h"
#include "SimpleStartupController.h"

#include <memory>

class IHistoryManagerInterface;
class ISimpleSettingsManager;
class TSQLiteConnection;

// Connects to a SQLite loan-book file and keeps its name in the settings
// store, whose file it locates with its own file-name composer.
class TCustomSQLiteStartupController : public TSimpleStartupController, public IStartupSettingsVisitor
{
public:
    static const QString ConnectionStringSection;
    static const QString ConnectionStringIdent;

    TCustomSQLiteStartupController();
    ~TCustomSQLiteStartupController() override;

    // The list and the store may be absent; without a store nothing is read or kept.
    bool ConnectSQLite(TConnectMode mode, TSQLiteConnection* connection, IHistoryManagerInterface* history,
                       ISimpleSettingsManager* settings, const TDBVersion& expected, IDBVersionChecker* checker);

    void ReadConnectionString(QString& value) override;
    void WriteConnectionString(const QString& value) override;

    // Made by CreateFileNameComposer when first needed, owned by the controller.
    TCustomFileNameComposer& FileNameComposer();

protected:
    virtual std::unique_ptr<TCustomFileNameComposer> CreateFileNameComposer() = 0;

private:
    std::unique_ptr<TCustomFileNameComposer> m_fileNameComposer;
    ISimpleSettingsManager* m_settings = nullptr;
};
