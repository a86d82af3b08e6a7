#include "IndexCommand.h"

#include "DayClock.h"
#include "ToolOptions.h"

#include "data/DataAccessFacade.h"
#include "domain/ScopedClock.h"

void TIndexCommand::ReadBookOptions(TToolOptions& options)
{
    m_today = DateTime(QDate::currentDate());
    options.Read(QStringLiteral("today"), m_today, false);
}

int TIndexCommand::Work(ILoanBookStore& facade, QTextStream& /*out*/, QTextStream& /*err*/)
{
    const TDayClock clock(m_today.Date());
    const TScopedClock inPlace(clock);
    facade.UpdateSchedulesDelay();
    return ecSuccess;
}
