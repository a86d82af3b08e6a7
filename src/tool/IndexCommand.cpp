#include "IndexCommand.h"

#include "ToolOptions.h"

#include "data/DataAccessFacade.h"
#include "domain/ScopedClock.h"

#include <QDateTime>

namespace {

// A clock that shows the given day at the real time of day.
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

}

void TIndexCommand::ReadBookOptions(TToolOptions& options)
{
    m_today = DateTime(QDate::currentDate());
    options.Read(QStringLiteral("today"), m_today, false);
}

int TIndexCommand::Work(TDataAccessFacade& facade, QTextStream& /*out*/, QTextStream& /*err*/)
{
    const TDayClock clock(m_today.Date());
    const TScopedClock inPlace(clock);
    facade.UpdateSchedulesDelay();
    return ecSuccess;
}
