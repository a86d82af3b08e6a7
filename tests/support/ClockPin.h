#pragma once

#include "domain/Clock.h"
#include "domain/ScopedClock.h"

// A test's clock: fixed at the moment given, movable with Set, in place for
// as long as it lives (the clock before comes back afterwards).
class TClockPin
{
public:
    explicit TClockPin(const DateTime& now)
        : m_clock(now)
    {
    }
    void Set(const DateTime& now) { m_clock.Set(now); }

private:
    TFixedClock m_clock;
    TScopedClock m_inPlace { m_clock };
};
