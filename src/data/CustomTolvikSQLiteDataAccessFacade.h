#pragma once

#include "CustomSQLiteVersionCheckerDataAccessFacade.h"

// A facade for files that keep their version in the table QDBVersion.
class TCustomTolvikSQLiteDataAccessFacade : public TCustomSQLiteVersionCheckerDataAccessFacade
{
public:
    bool VerifyDBVersion(const IDBVersionRef& required, IDBVersionRef& found) override;
};
