#pragma once

// The overdue indexing as the waiting window sees it. Holding it never frees the facade.
class IUpdateSchedulesDelayInterface
{
public:
    virtual void UpdateSchedulesDelay() = 0;

protected:
    ~IUpdateSchedulesDelayInterface() = default;
};
