#pragma once

#include "Clock.h"

// Puts a clock in place for as long as it lives; the clock that was in place
// before comes back afterwards, also when the scope is left by an error.
class TScopedClock
{
public:
    explicit TScopedClock(const IClock& clock)
        : m_previous(Clock::SetClock(&clock))
    {
    }
    ~TScopedClock() { Clock::SetClock(m_previous); }
    TScopedClock(const TScopedClock&) = delete;
    TScopedClock& operator=(const TScopedClock&) = delete;

private:
    const IClock* m_previous;
};
