#pragma once

#include <QStringList>

class THistoryManager;

// Whoever shows the recent-databases list (the main window's menu).
class IHistoryMenuView
{
public:
    // The list changed: entries oldest first.
    virtual void RefreshHistoryMenu(THistoryManager& manager, const QStringList& entries) = 0;

protected:
    ~IHistoryMenuView() = default;
};
