#pragma once

#include "DateTime.h"

// Where "now" and "today" come from. Tests put a fixed clock in place.
class IClock
{
public:
    virtual DateTime Now() const = 0;

protected:
    ~IClock() = default;
};

namespace Clock {
// The current moment of the clock in place (the system clock unless replaced).
DateTime Now();
// Now() with the time of day dropped.
DateTime Today();
// Puts a clock in place and returns the one it replaces; nullptr brings the
// system clock back. The clock is borrowed. See TScopedClock.
const IClock* SetClock(const IClock* clock);
}

// A clock that always answers the same moment; for tests and command-line tools.
class TFixedClock : public IClock
{
public:
    explicit TFixedClock(DateTime now) : m_now(now) {}
    DateTime Now() const override { return m_now; }
    void Set(DateTime now) { m_now = now; }

private:
    DateTime m_now;
};
