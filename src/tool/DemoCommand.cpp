#include "DemoCommand.h"

#include "ToolOptions.h"

#include "demo/DemoLoanBook.h"
#include "domain/ScopedClock.h"

#include <QDate>

namespace {

// More would take long and prove nothing the benchmark's book does not.
constexpr int MaxDebtors = 1000000;

// The indexing is recorded at this time of the demo's day, so that the same
// seed on the same day gives the same file.
const QTime DemoTimeOfDay(8, 0);

}

QStringList TDemoCommand::OptionNames() const
{
    return { QStringLiteral("debtors"), QStringLiteral("seed"), QStringLiteral("today") };
}

void TDemoCommand::ReadOptions(TToolOptions& options)
{
    m_fileName = options.RequireFile(QStringLiteral("Не задан файл"));
    m_debtors = TDemoLoanBook::DefaultDebtors;
    m_today = DateTime(QDate::currentDate());
    options.Read(QStringLiteral("debtors"), m_debtors, false);
    options.Read(QStringLiteral("seed"), m_seed, false);
    options.Read(QStringLiteral("today"), m_today, false);
    if (m_debtors < 0 || m_debtors > MaxDebtors)
        options.Refuse(QStringLiteral("Число должников должно быть от 0 до %1").arg(MaxDebtors));
    if (m_seed < 0)
        options.Refuse(QStringLiteral("Зерно должно быть неотрицательным"));
}

int TDemoCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    const TFixedClock clock(DateTime(m_today.Date(), DemoTimeOfDay));
    const TScopedClock inPlace(clock);
    TDemoLoanBook(m_debtors, std::uint32_t(m_seed)).Create(m_fileName);
    out << QStringLiteral("Создана демонстрационная база: %1, должников: %2").arg(m_fileName.trimmed()).arg(m_debtors)
        << '\n';
    return ecSuccess;
}
