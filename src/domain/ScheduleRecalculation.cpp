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
    rest.CreditSize = pivotRow->Balance - advance;
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
