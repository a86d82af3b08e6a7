#include "ScheduleRecalculation.h"

#include "Credit.h"
#include "Exception.h"
#include "PaymentSchedule.h"
#include "ScheduleCalculation.h"

namespace {

[[noreturn]] void RaiseRowNotFound()
{
    throw Exception(QStringLiteral("Строка не найдена в графике выплат."));
}

// The principal the months after row b still carry: what each of them pays
// off and what the last one leaves. The pivot's own Balance would not do: it
// shows what its regular instalment leaves, and an earlier advance or respite
// at that row (or later) rebuilt only the months after it, so every earlier
// change counts once and only once this way.
Money PrincipalAfter(const TPaymentSchedule& schedule, int b)
{
    Money principal = schedule.Items(schedule.Count() - 1)->Balance;
    for (int i = b + 1; i < schedule.Count(); ++i)
        principal += schedule.Items(i)->PayingOff;
    return principal;
}

}

void ApplyAheadPayment(const TCredit* credit, const TPaymentScheduleItem* pivot,
                       const TPaymentSchedule* source, Money advance, TPaymentSchedule* target)
{
    if (!credit || !pivot || !source || !target)
        return;
    target->AssignFrom(source);
    const int b = target->IndexOfID(pivot->GetID());
    if (b == -1)
        RaiseRowNotFound();
    if (b == target->Count() - 1)
        throw Exception(QStringLiteral("Нельзя делать опережение для последнего платежа."));

    // The months after the pivot, as a credit of their own on what is left of the principal.
    const TPaymentScheduleItem* pivotRow = target->Items(b);
    TCredit rest;
    rest.PaymentDay = credit->PaymentDay;
    rest.ContractDate = credit->ContractDate;
    rest.YearPercent = credit->YearPercent;
    rest.CreditPeriod = target->Count() - b - 1;
    rest.CreditSize = PrincipalAfter(*target, b) - advance;
    TPaymentSchedule rebuilt;
    BuildSchedule(&rebuilt, &rest, pivotRow->PaymentDate);

    target->MarkDeletedFrom(b + 1);
    target->AppendCopies(&rebuilt);
    RecalcMustBePaymentSums(target, false);
}

void MakeRespite(const TCredit* credit, const TPaymentScheduleItem* pivot,
                 const TPaymentSchedule* source, TPaymentSchedule* target)
{
    if (!credit || !pivot || !source || !target)
        return;
    const int a = source->IndexOfID(pivot->GetID());
    if (a == -1)
        RaiseRowNotFound();
    const Money principal = source->Items(a)->PayingOff;

    // Rebuilding on the balance as it stood before the pivot month...
    ApplyAheadPayment(credit, pivot, source, -principal, target);

    // ...and leaving that month its interest only.
    TPaymentScheduleItem* row = target->Items(a);
    row->Balance += principal;
    row->MustBePaymentSum -= principal;
    row->PayingOff -= principal;
    row->Annua -= principal;
    row->Modified = true;
    RecalcMustBePaymentSums(target, false);
}
