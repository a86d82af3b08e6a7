#include "SingleInstances.h"

#include "SingleInstance.h"
#include "StartUpController.h"
#include "SystemController.h"
#include "data/DataAccessFacade.h"
#include "extras/YandexMapsLauncher.h"
#include "reports/DeclensionService.h"
#include "reports/ReportManager.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"

TSimpleSettingsManager& SettingsManager()
{
    return TSingleInstance<TSimpleSettingsManager>::Get();
}

void FreeSettingsManager()
{
    TSingleInstance<TSimpleSettingsManager>::Free();
}

THistoryManager& HistoryManager()
{
    return TSingleInstance<THistoryManager>::Get();
}

void FreeHistoryManager()
{
    TSingleInstance<THistoryManager>::Free();
}

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
