#pragma once

#include "domain/Exception.h"

class TCustomDBConnector;
class TCustomDBConnectorConfigurator;

// A configurator was handed a connector of a kind it cannot configure.
class EConnectorNotSuportedException : public Exception
{
public:
    EConnectorNotSuportedException(const TCustomDBConnector& connector,
                                   const TCustomDBConnectorConfigurator& configurator);
};
