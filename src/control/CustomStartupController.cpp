#include "CustomStartupController.h"

#include "CustomDBConnector.h"
#include "CustomDBConnectorConfigurator.h"
#include "data/DBVersionChecker.h"
#include "domain/Exception.h"

bool TCustomStartupController::Connect(TConnectMode mode, TCustomDBConnector* connector,
                                       TCustomDBConnectorConfigurator* configurator, IDBVersionChecker* checker,
                                       const TDBVersion& expected)
{
    bool result = false;
    if (!connector)
        return false;
    if (mode != cmGivenFile)
        connector->Reset();
    if (mode == cmStoredSettings && configurator)
        configurator->LoadSettings(*connector);

    try {
        if (connector->Connect()) {
            bool ok = true;
            std::optional<TDBVersion> found;
            if (checker)
                ok = checker->VerifyDBVersion(expected, found);
            if (ok) {
                result = AcceptConnection();
                if (result && configurator)
                    configurator->SaveSettings(*connector);
            } else if (AskReconnectAfterVersionMismatch(expected, found)) {
                result = Connect(cmReconfigure, connector, configurator, checker, expected);
            }
        } else if (mode != cmGivenFile) {
            if (AskReconnectAfterFailure())
                result = Connect(cmReconfigure, connector, configurator, checker, expected);
        }
    } catch (const Exception& error) {
        // An accepted connection stands even when storing it failed.
        ShowConnectionError(error);
    }
    return result;
}
