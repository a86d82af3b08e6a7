#include "SingleInstances.h"

#include "HistoryManager.h"
#include "SimpleSettingsManager.h"
#include "StartUpController.h"
#include "SystemController.h"
#include "data/DataAccessFacade.h"

void FreeSingleInstances()
{
    FreeSystemController();
    FreeStartUpController();
    FreeHistoryManager();
    FreeSettingsManager();
    FreeDataAccessFacade();
}
