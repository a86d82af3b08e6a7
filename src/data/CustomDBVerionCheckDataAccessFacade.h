#pragma once

#include "CustomDataAccessFacade.h"
#include "DBVersionChecker.h"

// A facade that can check the type and version of its database.
class TCustomDBVerionCheckDataAccessFacade : public TCustomDataAccessFacade, public IDBVersionChecker
{
public:
    bool VerifyDBVersion(const IDBVersionRef& required, IDBVersionRef& found) override = 0;
};
