#include "CreditPicture.h"

#include "domain/Credit.h"
#include "domain/PaymentSchedule.h"

#include <algorithm>

TCreditPicture TCreditPicture::Of(int debtorID, const TCredit& credit)
{
    TCreditPicture picture;
    picture.CreditID = credit.GetID();
    picture.DebtorID = debtorID;
    picture.ContractNumber = credit.ContractNumber;
    picture.ContractDate = credit.ContractDate;
    picture.CreditSize = credit.CreditSize;
    picture.PaymentsSum = credit.PaymentsSum;
    picture.FullMustBePaymentSum = credit.FullMustBePaymentSum;
    return picture;
}

TCreditPicture TCreditPicture::Of(int debtorID, const TCredit& credit, int scheduleRows, int lastScheduleRowID)
{
    TCreditPicture picture = Of(debtorID, credit);
    picture.ScheduleRows = scheduleRows;
    picture.LastScheduleRowID = lastScheduleRowID;
    return picture;
}

TCreditPicture TCreditPicture::Of(int debtorID, const TCredit& credit, const TPaymentSchedule& schedule)
{
    int rows = 0;
    int lastRowID = -1;
    for (const auto& row : schedule) {
        if (row->Deleted)
            continue;
        ++rows;
        lastRowID = std::max(lastRowID, row->GetID());
    }
    return Of(debtorID, credit, rows, lastRowID);
}

bool TCreditPicture::SameCredit(const TCreditPicture& now) const
{
    return CreditID == now.CreditID && DebtorID == now.DebtorID && ContractNumber == now.ContractNumber
        && ContractDate == now.ContractDate && CreditSize == now.CreditSize;
}

bool TCreditPicture::SameSchedule(const TCreditPicture& now) const
{
    if (FullMustBePaymentSum != now.FullMustBePaymentSum)
        return false;
    return ScheduleRows == -1 || (ScheduleRows == now.ScheduleRows && LastScheduleRowID == now.LastScheduleRowID);
}
