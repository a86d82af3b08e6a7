#include "ScheduleCommand.h"

#include "ToolOptions.h"

#include "domain/PaymentSchedule.h"
#include "domain/ScheduleCalculation.h"
#include "domain/ScheduleRecalculation.h"

namespace {

// A hundred years of months; beyond that a typing slip would only fill the memory.
constexpr int MaxPeriod = 1200;

void PrintSchedule(const TPaymentSchedule& schedule, QTextStream& out)
{
    out << "row,date,annua,percents,paying_off,balance,must_be_paid\n";
    int number = 0;
    for (const auto& row : schedule) {
        out << ++number << ',' << row->PaymentDate.Date().toString(QStringLiteral("yyyy-MM-dd"))
            << ',' << row->Annua.ToFixedText() << ',' << row->CreditPercents.ToFixedText()
            << ',' << row->PayingOff.ToFixedText() << ',' << row->Balance.ToFixedText()
            << ',' << row->MustBePaymentSum.ToFixedText() << '\n';
    }
    out << "total," << schedule.SumOfAnnua().ToFixedText() << '\n';
}

}

QString TScheduleCommand::Synopsis() const
{
    return QStringLiteral("--size СУММА --period МЕСЯЦЕВ --rate ПРОЦЕНТ_ГОДОВЫХ --day ЧИСЛО_МЕСЯЦА "
                          "--start ГГГГ-ММ-ДД [--advance СУММА --at СТРОКА | --respite-at СТРОКА]");
}

QStringList TScheduleCommand::OptionNames() const
{
    return { QStringLiteral("size"),  QStringLiteral("period"),  QStringLiteral("rate"), QStringLiteral("day"),
             QStringLiteral("start"), QStringLiteral("advance"), QStringLiteral("at"),   QStringLiteral("respite-at") };
}

void TScheduleCommand::ReadOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("size"), m_credit.CreditSize);
    options.Read(QStringLiteral("period"), m_credit.CreditPeriod);
    options.Read(QStringLiteral("rate"), m_credit.YearPercent);
    options.Read(QStringLiteral("day"), m_credit.PaymentDay);
    options.Read(QStringLiteral("start"), m_credit.ContractDate);
    if (m_credit.CreditPeriod > MaxPeriod)
        options.Refuse(QStringLiteral("Срок кредита не может превышать %1 месяцев").arg(MaxPeriod));

    m_ahead = options.Has(QStringLiteral("advance")) || options.Has(QStringLiteral("at"));
    m_respite = options.Has(QStringLiteral("respite-at"));
    if (m_ahead && m_respite)
        options.Refuse(QStringLiteral("Параметры --advance и --respite-at нельзя задавать вместе"));
    if (m_ahead) {
        options.Read(QStringLiteral("advance"), m_advance);
        options.Read(QStringLiteral("at"), m_pivotNumber);
    } else if (m_respite) {
        options.Read(QStringLiteral("respite-at"), m_pivotNumber);
    }
}

int TScheduleCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    TPaymentSchedule schedule;
    BuildSchedule(&schedule, &m_credit, m_credit.ContractDate);
    if (!m_ahead && !m_respite) {
        PrintSchedule(schedule, out);
        return ecSuccess;
    }
    // Row numbers stand in for the ScheduleIDs a stored schedule would carry.
    for (int i = 0; i < schedule.Count(); ++i)
        schedule.Items(i)->SetID(i + 1);
    TPaymentScheduleItem pivot;
    pivot.SetID(m_pivotNumber);
    TPaymentSchedule target;
    if (m_ahead)
        ApplyAheadPayment(&m_credit, &pivot, &schedule, m_advance, &target);
    else
        MakeRespite(&m_credit, &pivot, &schedule, &target);
    target.RemoveDeleted();
    PrintSchedule(target, out);
    return ecSuccess;
}
