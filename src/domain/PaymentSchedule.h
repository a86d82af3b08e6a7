#pragma once

#include "Money.h"
#include "OwningList.h"
#include "PaymentScheduleItem.h"

// A credit's rows in due-date order, first instalment first.
class TPaymentSchedule : public TOwningList<TPaymentScheduleItem>
{
public:
    // Position of the first row with that ID; -1 when none.
    int IndexOfID(int id) const;
    // Replaces the content with copies of the source rows; with no source nothing changes.
    void AssignFrom(const TPaymentSchedule* source);
    // Appends copies of the source rows after the existing ones.
    void AppendCopies(const TPaymentSchedule* source);
    // Flags every row from that position to the end as Deleted.
    void MarkDeletedFrom(int index);
    // Removes and frees every row flagged Deleted, keeping the order of the rest.
    void RemoveDeleted();
    // Sum of the instalments of the rows not flagged Deleted.
    Money SumOfAnnua() const;
};
