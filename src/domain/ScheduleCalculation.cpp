#include "ScheduleCalculation.h"

#include "Credit.h"
#include "Exception.h"
#include "PaymentSchedule.h"

#include <memory>

namespace {

// q^n by square-and-multiply over the bits of n from the lowest, every product
// in extended precision (the order of the products decides the last bits).
long double IntPower(long double q, unsigned n)
{
    long double result = 1.0L;
    long double factor = q;
    while (n != 0) {
        if (n & 1u)
            result *= factor;
        n >>= 1;
        if (n != 0)
            factor *= factor;
    }
    return result;
}

// size / period rounded to a whole ten-thousandth, ties to even, in exact
// integer arithmetic.
Money EvenShare(Money size, int period)
{
    const std::int64_t units = size.Units();
    std::int64_t quotient = units / period;
    const std::int64_t remainder = units % period;
    const std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > period || (twice == period && (quotient & 1) != 0))
        quotient += units < 0 ? -1 : 1;
    return Money::FromUnits(quotient);
}

}

double MonthlyRate(int YearPercent)
{
    const long double monthly = static_cast<long double>(YearPercent) / 12.0L / 100.0L;
    const volatile double rate = static_cast<double>(monthly);
    return rate;
}

Money CalcAnnuity(int YearPercent, int CreditPeriod, Money CreditSize)
{
    // No months, no instalment (also keeps a negative period away from the power).
    if (CreditPeriod <= 0)
        return Money();
    // Without interest the annuity formula degenerates to 0/0; the loan is then
    // repaid in equal parts instead of vanishing from the book.
    if (YearPercent == 0)
        return EvenShare(CreditSize, CreditPeriod);

    const double r = MonthlyRate(YearPercent);
    const long double q = 1.0L + r;
    const long double power = IntPower(q, static_cast<unsigned>(CreditPeriod));
    const volatile double a = static_cast<double>(power * r);
    const volatile double b = static_cast<double>(power - 1.0L);
    if (b == 0.0) // q of -1 with an even period
        return Money();
    const long double factor = static_cast<long double>(a) / static_cast<long double>(b);
    return Money::FromRealUnits(factor * static_cast<long double>(CreditSize.Units()));
}

Money CalcPercents(int YearPercent, Money balance)
{
    const double r = MonthlyRate(YearPercent);
    return Money::FromRealUnits(static_cast<long double>(balance.Units()) * r);
}

void FillScheduleItem(TPaymentScheduleItem* row, const TCredit* credit, Money balanceBefore)
{
    if (!row || !credit)
        return;
    row->Annua = CalcAnnuity(credit->YearPercent, credit->CreditPeriod, credit->CreditSize);
    row->CreditPercents = CalcPercents(credit->YearPercent, balanceBefore);
    row->PayingOff = row->Annua - row->CreditPercents;
    row->Balance = balanceBefore - row->PayingOff;
}

DateTime FirstPaymentDate(int PaymentDay, const DateTime& startDate)
{
    const QDate start = startDate.Date();
    return DateTime::Checked(start.year(), start.month(), PaymentDay).AddMonths(1);
}

void BuildSchedule(TPaymentSchedule* schedule, TCredit* credit, const DateTime& startDate)
{
    if (!schedule || !credit)
        return;
    // The last instalment falls CreditPeriod months after the start date's
    // month, on a day that month surely has; refused before anything is built.
    const QDate start = startDate.Date();
    if (credit->CreditPeriod > 0
        && QDate(start.year(), start.month(), 1).addMonths(credit->CreditPeriod) > DateTime::LastDate())
        throw Exception(QStringLiteral("Последний платёж по графику пришёлся бы позже 31.12.9999: "
                                       "сократите срок кредита или выберите более раннюю дату."));
    schedule->Clear();
    const TPaymentScheduleItem* previous = nullptr;
    for (int i = 0; i < credit->CreditPeriod; ++i) {
        auto row = std::make_unique<TPaymentScheduleItem>();
        if (!previous) {
            row->PaymentDate = FirstPaymentDate(credit->PaymentDay, startDate);
            FillScheduleItem(row.get(), credit, credit->CreditSize);
        } else {
            FillScheduleItem(row.get(), credit, previous->Balance);
            // From the previous due date, so a clamped day stays clamped.
            row->PaymentDate = previous->PaymentDate.AddMonths(1);
        }
        previous = schedule->Add(std::move(row));
    }
    credit->FullMustBePaymentSum = RecalcMustBePaymentSums(schedule, true);
}

Money RecalcMustBePaymentSums(TPaymentSchedule* schedule, bool includeDeleted)
{
    if (!schedule)
        return Money();
    Money total;
    for (const auto& row : *schedule) {
        if (includeDeleted || !row->Deleted) {
            total += row->Annua;
            row->MustBePaymentSum = total;
        }
    }
    return total;
}
