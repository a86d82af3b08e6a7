#pragma once

#include "FileNameComposer.h"

// Files under the user's application-data folder: APPDATA when it is set,
// otherwise the per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
class TApplicationDataFileNameComposer : public TFileNameComposer
{
public:
    using TFileNameComposer::TFileNameComposer;

protected:
    QString GetBaseFolder() const override;
};
