#pragma once

#include "domain/Clock.h"

#include <QDate>
#include <QTime>

// A clock that shows the given day at the real time of day: "--today" of the commands.
class TDayClock : public IClock
{
public:
    explicit TDayClock(QDate day)
        : m_day(day)
    {
    }
    DateTime Now() const override { return DateTime(m_day, QTime::currentTime()); }

private:
    QDate m_day;
};
