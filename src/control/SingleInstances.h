#pragma once

class THistoryManager;
class TSimpleSettingsManager;

// The program's settings store, created on first use.
TSimpleSettingsManager& SettingsManager();
// Destroys the settings store, which writes the settings file.
void FreeSettingsManager();
// The program's recent-databases list, created on first use.
THistoryManager& HistoryManager();
void FreeHistoryManager();

// Destroys the program's single instances at its end, in the order their
// work requires: the system controller, the start-up controller, the recent-databases list, the
// settings store (which writes the settings file now), the map launcher, then the data-access
// facade (which closes the database).
void FreeSingleInstances();
