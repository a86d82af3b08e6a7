#include "ConnectorNotSuportedException.h"

#include "ClassName.h"
#include "CustomDBConnector.h"
#include "CustomDBConnectorConfigurator.h"

EConnectorNotSuportedException::EConnectorNotSuportedException(const TCustomDBConnector& connector,
                                                               const TCustomDBConnectorConfigurator& configurator)
    : Exception(QStringLiteral("Способ подключения «%1» не поддерживается настройщиком «%2».")
                    .arg(ClassNameOf(connector), ClassNameOf(configurator)))
{
}
