#pragma once

#include "ConnectMode.h"
#include "data/DBVersion.h"

#include <QObject>

class Exception;
class IDBVersionChecker;
class TCustomDBConnector;
class TCustomDBConnectorConfigurator;

// Connects to a database and checks its version, asking the user what to do
// after a failure. How it asks is left to the descendants.
class TCustomStartupController : public QObject
{
public:
    // Runs until a database is accepted or the user gives up: a failed open
    // (except for a given file) or a wrong version asks whether to choose the
    // database again, and a yes starts over with the connection dialog.
    // Errors of the system (Exception) are shown and fail the attempt,
    // unless the connection had already been accepted.
    bool Connect(TConnectMode mode, TCustomDBConnector* connector, TCustomDBConnectorConfigurator* configurator,
                 IDBVersionChecker* checker, const TDBVersion& expected);

protected:
    virtual void ShowConnectionError(const Exception& error) = 0;
    // The final word on a database that opened and passed the version check.
    virtual bool AcceptConnection() = 0;
    virtual bool AskReconnectAfterFailure() = 0;
    // Found is empty when the file carries no readable version.
    virtual bool AskReconnectAfterVersionMismatch(const TDBVersion& expected, const std::optional<TDBVersion>& found) = 0;
};
