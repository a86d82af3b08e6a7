#include "StartUpController.h"

#include "HistoryManager.h"
#include "IHistoryMenuView.h"
#include "SettingsFileName.h"
#include "SimpleSettingsManager.h"
#include "SingleInstance.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"

bool TStartUpController::ConnectToDatabase(TConnectMode mode, const QString& fileName)
{
    BindHistoryToMainWindow();
    const IDBVersionRef expected = RequiredDBVersion();
    TDataAccessFacade* facade = GetDataAccessFacade();
    TSQLiteConnection& connection = facade->Connection();
    const QString previousFileName = connection.FileName();
    connection.SetFileName(fileName);
    bool result = ConnectSQLite(mode, &connection, &HistoryManager(), &SettingsManager(), expected, facade);
    if (!result && mode == cmGivenFile) {
        // A refused switch keeps the book that was in use.
        connection.SetFileName(previousFileName);
        connection.Close();
        connection.Open();
        result = true;
    }
    return result;
}

void TStartUpController::BindHistoryToMainWindow()
{
    IHistoryMenuView* view = m_historyMenuView;
    if (!view) {
        HistoryManager().SetOnChange(nullptr);
        return;
    }
    HistoryManager().SetOnChange(
        [view](THistoryManager& manager, const QStringList& entries) { view->RefreshHistoryMenu(manager, entries); });
}

QString TStartUpController::ConnectedFileName() const
{
    return GetDataAccessFacade()->Connection().FileName();
}

bool TStartUpController::AcceptConnection()
{
    return true;
}

std::unique_ptr<TCustomFileNameComposer> TStartUpController::CreateFileNameComposer()
{
    return CreateSettingsFileNameComposer();
}

TStartUpController* StartUpController()
{
    return &TSingleInstance<TStartUpController>::Get();
}

void FreeStartUpController()
{
    TSingleInstance<TStartUpController>::Free();
}
