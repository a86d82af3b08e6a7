#include "DataCommands.h"
#include "DataCommandsSupport.h"

#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "domain/Exception.h"

#include <QDateTime>

namespace {

// Puts a clock that shows the given day (at the real time of day) in place for
// as long as the command runs.
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

class TClockGuard
{
public:
    explicit TClockGuard(const IClock* clock) { Clock::SetClock(clock); }
    ~TClockGuard() { Clock::SetClock(nullptr); }
};

}

int RunIndexCommand(const QStringList& args)
{
    QString fileName;
    QDate today = QDate::currentDate();
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--today")) {
            if (i + 1 >= args.size())
                return DataCommands::WrongArguments(QStringLiteral("После --today нужна дата."));
            today = QDate::fromString(args.at(++i), QStringLiteral("yyyy-MM-dd"));
            if (!today.isValid()) {
                DataCommands::PrintError(QStringLiteral("Неверная дата: %1").arg(args.at(i)));
                return ecUsage;
            }
        } else if (fileName.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            fileName = args.at(i);
        } else {
            return DataCommands::WrongArguments(QStringLiteral("Лишний параметр: %1").arg(args.at(i)));
        }
    }
    if (fileName.isEmpty())
        return DataCommands::WrongArguments(QStringLiteral("Не задан файл базы данных."));

    const TDayClock clock(today);
    const TClockGuard guard(&clock);
    TDataAccessFacade& facade = *GetDataAccessFacade();
    int code = 1;
    try {
        if (DataCommands::ConnectChecked(facade, fileName)) {
            facade.UpdateSchedulesDelay();
            code = 0;
        }
    } catch (const Exception& error) {
        DataCommands::PrintError(error.Message());
    }
    facade.Connection().Close();
    return code;
}
