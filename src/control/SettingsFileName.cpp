#include "SettingsFileName.h"

#include "ApplicationDataFileNameComposer.h"

std::unique_ptr<TCustomFileNameComposer> CreateSettingsFileNameComposer()
{
    auto composer = std::make_unique<TApplicationDataFileNameComposer>();
    composer->SetCompanyName(QStringLiteral("Tolvik"));
    composer->SetProductName(QStringLiteral("Varnel"));
    composer->SetVersion(QStringLiteral("1.0"));
    composer->SetJustFileName(QStringLiteral("Settings.ini"));
    return composer;
}
