#include "Clock.h"

#include <QDateTime>

#include <utility>

namespace {
const IClock* g_clock = nullptr;
}

namespace Clock {

DateTime Now()
{
    if (g_clock)
        return g_clock->Now();
    const QDateTime now = QDateTime::currentDateTime();
    return DateTime(now.date(), now.time());
}

DateTime Today()
{
    return Now().DayOnly();
}

const IClock* SetClock(const IClock* clock)
{
    return std::exchange(g_clock, clock);
}

}
