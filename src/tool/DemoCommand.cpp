// varnel-tool demo: a new loan book filled with a plausible demo content, for
// trying the program out and for the benchmark.
#include "ToolCommand.h"
#include "ToolOptions.h"

#include "demo/DemoLoanBook.h"
#include "domain/Clock.h"
#include "domain/Exception.h"

#include <QDate>

namespace {

// More would take long and prove nothing the benchmark's book does not.
constexpr int MaxDebtors = 1000000;

// The indexing is recorded at this time of the demo's day, so that the same
// seed on the same day gives the same file.
const QTime DemoTimeOfDay(8, 0);

// Puts the clock in place for as long as the command runs.
class TClockGuard
{
public:
    explicit TClockGuard(const IClock& clock) { Clock::SetClock(&clock); }
    ~TClockGuard() { Clock::SetClock(nullptr); }
    TClockGuard(const TClockGuard&) = delete;
    TClockGuard& operator=(const TClockGuard&) = delete;
};

int RunDemo(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1String("--"))) {
        err << QStringLiteral("Не задан файл") << '\n';
        return ecUsage;
    }
    const QString fileName = arguments.first();
    TToolOptions options(arguments.mid(1), { QStringLiteral("debtors"), QStringLiteral("seed"), QStringLiteral("today") });
    int debtors = TDemoLoanBook::DefaultDebtors;
    int seed = 1;
    DateTime today(QDate::currentDate());
    options.Read(QStringLiteral("debtors"), debtors, false);
    options.Read(QStringLiteral("seed"), seed, false);
    options.Read(QStringLiteral("today"), today, false);
    if (debtors < 0 || debtors > MaxDebtors)
        options.Refuse(QStringLiteral("Число должников должно быть от 0 до %1").arg(MaxDebtors));
    if (seed < 0)
        options.Refuse(QStringLiteral("Зерно должно быть неотрицательным"));
    if (!options.Error().isEmpty()) {
        err << options.Error() << '\n';
        return ecUsage;
    }

    const TFixedClock clock(DateTime(today.Date(), DemoTimeOfDay));
    const TClockGuard guard(clock);
    try {
        TDemoLoanBook(debtors, std::uint32_t(seed)).Create(fileName);
    } catch (const Exception& e) {
        err << e.Message() << '\n';
        return ecFailure;
    }
    out << QStringLiteral("Создана демонстрационная база: %1, должников: %2").arg(fileName.trimmed()).arg(debtors)
        << '\n';
    return ecSuccess;
}

}

TToolCommand DemoCommand()
{
    return { QStringLiteral("demo"), QStringLiteral("ФАЙЛ [--debtors N] [--seed ЗЕРНО] [--today ГГГГ-ММ-ДД]"), RunDemo };
}
