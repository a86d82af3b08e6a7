#pragma once

#include <QString>

// The recent-databases list as the connector sees it.
class IHistoryManagerInterface
{
public:
    virtual void Add(const QString& path) = 0;

protected:
    ~IHistoryManagerInterface() = default;
};
