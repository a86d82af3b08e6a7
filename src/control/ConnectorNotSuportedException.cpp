#include "ConnectorNotSuportedException.h"

#include "ClassName.h"
#include "CustomDBConnector.h"
#include "CustomDBConnectorConfigurator.h"

EConnectorNotSuportedException::EConnectorNotSuportedException(const TCustomDBConnector& connector,
                                                               const TCustomDBConnectorConfigurator& configurator)
    : Exception(QStringLiteral("Data base connector «%1» is not supperted by configurator «%2».")
                    .arg(ClassNameOf(connector), ClassNameOf(configurator)))
{
}
