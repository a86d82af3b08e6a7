// varnel-tool schedule: a credit's annuity schedule in the terminal, optionally
// rebuilt after an advance or a respite at one of its rows.
#include "ToolCommand.h"
#include "ToolOptions.h"

#include "domain/Credit.h"
#include "domain/Exception.h"
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

int RunSchedule(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    TToolOptions options(arguments, {QStringLiteral("size"), QStringLiteral("period"),
                                     QStringLiteral("rate"), QStringLiteral("day"),
                                     QStringLiteral("start"), QStringLiteral("advance"),
                                     QStringLiteral("at"), QStringLiteral("respite-at")});
    TCredit credit;
    options.Read(QStringLiteral("size"), credit.CreditSize);
    options.Read(QStringLiteral("period"), credit.CreditPeriod);
    options.Read(QStringLiteral("rate"), credit.YearPercent);
    options.Read(QStringLiteral("day"), credit.PaymentDay);
    options.Read(QStringLiteral("start"), credit.ContractDate);
    if (credit.CreditPeriod > MaxPeriod)
        options.Refuse(QStringLiteral("Срок кредита не может превышать %1 месяцев").arg(MaxPeriod));

    const bool ahead = options.Has(QStringLiteral("advance")) || options.Has(QStringLiteral("at"));
    const bool respite = options.Has(QStringLiteral("respite-at"));
    Money advance;
    int pivotNumber = 0; // 1-based row of the schedule as first built
    if (ahead && respite)
        options.Refuse(QStringLiteral("Параметры --advance и --respite-at нельзя задавать вместе"));
    if (ahead) {
        options.Read(QStringLiteral("advance"), advance);
        options.Read(QStringLiteral("at"), pivotNumber);
    } else if (respite) {
        options.Read(QStringLiteral("respite-at"), pivotNumber);
    }
    if (!options.Error().isEmpty()) {
        err << options.Error() << '\n';
        return ecUsage;
    }

    try {
        TPaymentSchedule schedule;
        BuildSchedule(&schedule, &credit, credit.ContractDate);
        if (!ahead && !respite) {
            PrintSchedule(schedule, out);
            return ecSuccess;
        }
        // Row numbers stand in for the ScheduleIDs a stored schedule would carry.
        for (int i = 0; i < schedule.Count(); ++i)
            schedule.Items(i)->SetID(i + 1);
        TPaymentScheduleItem pivot;
        pivot.SetID(pivotNumber);
        TPaymentSchedule target;
        if (ahead)
            ApplyAheadPayment(&credit, &pivot, &schedule, advance, &target);
        else
            MakeRespite(&credit, &pivot, &schedule, &target);
        target.RemoveDeleted();
        PrintSchedule(target, out);
        return ecSuccess;
    } catch (const Exception& e) {
        err << e.Message() << '\n';
        return ecFailure;
    }
}

}

TToolCommand ScheduleCommand()
{
    return {QStringLiteral("schedule"),
            QStringLiteral("--size СУММА --period МЕСЯЦЕВ --rate ПРОЦЕНТ_ГОДОВЫХ --day ЧИСЛО_МЕСЯЦА "
                           "--start ГГГГ-ММ-ДД [--advance СУММА --at СТРОКА | --respite-at СТРОКА]"),
            RunSchedule};
}
