#include "SingleInstances.h"

#include "HistoryManager.h"
#include "SimpleSettingsManager.h"
#include "StartUpController.h"
#include "data/DataAccessFacade.h"

void FreeSingleInstances()
{
    FreeStartUpController();
    FreeHistoryManager();
    FreeSettingsManager();
    FreeDataAccessFacade();
}
