#include "SingleInstances.h"

#include "HistoryManager.h"
#include "SimpleSettingsManager.h"
#include "StartUpController.h"
#include "SystemController.h"
#include "data/DataAccessFacade.h"
#include "extras/YandexMapsLauncher.h"

void FreeSingleInstances()
{
    FreeSystemController();
    FreeStartUpController();
    FreeHistoryManager();
    FreeSettingsManager();
    FreeMapsLauncher();
    FreeDataAccessFacade();
}
