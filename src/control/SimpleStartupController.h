#pragma once

#include "CustomStartupController.h"

// Asks and informs the user with message boxes.
class TSimpleStartupController : public TCustomStartupController
{
public:
    static const QString ReconnectCaption;

    // "Тип: «2» Версия: «0.0.0.3»"; an unknown type is written "-".
    static QString DescribeVersion(const std::optional<TDBVersion>& version);
    // The question asked after a version check failed.
    static QString VersionMismatchText(const TDBVersion& expected, const std::optional<TDBVersion>& found);

protected:
    void ShowConnectionError(const Exception& error) override;
    bool AskReconnectAfterFailure() override;
    bool AskReconnectAfterVersionMismatch(const TDBVersion& expected, const std::optional<TDBVersion>& found) override;
};
