#pragma once

#include "CustomFileNameComposer.h"

#include <memory>

// Where the program keeps its settings: Tolvik/Varnel/1.0/Settings.ini under
// the user's application-data folder. Shared by the start-up and varnel-tool,
// so that both read and write the very same file.
std::unique_ptr<TCustomFileNameComposer> CreateSettingsFileNameComposer();
