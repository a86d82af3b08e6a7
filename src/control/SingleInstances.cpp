#include "SingleInstances.h"

#include "HistoryManager.h"
#include "SimpleSettingsManager.h"
#include "StartUpController.h"
#include "SystemController.h"
#include "data/DataAccessFacade.h"
#include "extras/YandexMapsLauncher.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"

void FreeSingleInstances()
{
    FreeSystemController();
    FreeReportManager();
    FreeStartUpController();
    FreeHistoryManager();
    FreeSettingsManager();
    FreeMapsLauncher();
    FreeDataAccessFacade();
    // The declension library is released last, at program end.
    FreeDeclensionService();
}
