#include "Clock.h"

#include <QDateTime>

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

void SetClock(const IClock* clock)
{
    g_clock = clock;
}

}
