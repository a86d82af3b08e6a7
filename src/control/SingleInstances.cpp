#include "SingleInstances.h"

#include "SingleInstance.h"
#include "StartUpController.h"
#include "data/DataAccessFacade.h"
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
    FreeStartUpController();
    FreeHistoryManager();
    FreeSettingsManager();
    FreeDataAccessFacade();
}
