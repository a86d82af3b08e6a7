#include "PaymentSchedule.h"

#include <algorithm>

int TPaymentSchedule::IndexOfID(int id) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->GetID() == id)
            return i;
    return -1;
}

void TPaymentSchedule::AssignFrom(const TPaymentSchedule* source)
{
    if (!source || source == this)
        return;
    Clear();
    AppendCopies(source);
}

void TPaymentSchedule::AppendCopies(const TPaymentSchedule* source)
{
    if (!source)
        return;
    const int count = source->Count(); // fixed up front: source may be this list
    for (int i = 0; i < count; ++i) {
        auto copy = std::make_unique<TPaymentScheduleItem>();
        copy->Assign(source->Items(i));
        Add(std::move(copy));
    }
}

void TPaymentSchedule::MarkDeletedFrom(int index)
{
    for (int i = std::max(index, 0); i < Count(); ++i)
        Items(i)->Deleted = true;
}

void TPaymentSchedule::RemoveDeleted()
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i)->Deleted)
            Delete(i);
}

Money TPaymentSchedule::SumOfAnnua() const
{
    Money total;
    for (const auto& row : m_items)
        if (!row->Deleted)
            total += row->Annua;
    return total;
}
