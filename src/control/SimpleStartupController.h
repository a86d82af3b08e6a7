#pragma once

#include "CustomStartupController.h"

// Asks and informs the user with message boxes.
class TSimpleStartupController : public TCustomStartupController
{
public:
    static const QString ReconnectCaption;

    // "Тип: «2» Версия: «0.0.0.3»"; an unknown type is written "-".
    static QString DescribeVersion(const IDBVersionRef& version);
    // The question asked after a version check failed.
    static QString VersionMismatchText(const IDBVersionRef& expected, const IDBVersionRef& found);

protected:
    void ShowConnectionError(const Exception& error) override;
    bool AskReconnectAfterFailure() override;
    bool AskReconnectAfterVersionMismatch(const IDBVersionRef& expected, const IDBVersionRef& found) override;
};
