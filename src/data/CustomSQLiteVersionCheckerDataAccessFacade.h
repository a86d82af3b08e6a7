#pragma once

#include "CustomSQLiteDataAccessFacade.h"

// An intermediate level of the facade chain.
class TCustomSQLiteVersionCheckerDataAccessFacade : public TCustomSQLiteDataAccessFacade
{
};
