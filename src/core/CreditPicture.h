#pragma once

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QString>

class TCredit;
class TPaymentSchedule;

// What a clerk saw of a credit when deciding on it: enough to tell, inside the
// transaction that writes the decision, whether the book still holds the same
// credit in the same state. The schedule is known by its number of rows and
// its largest row key: a rebuild or a respite replaces rows by new ones, whose
// keys are always above every key given before.
struct TCreditPicture
{
    int CreditID = -1;
    int DebtorID = -1;
    QString ContractNumber;
    DateTime ContractDate;
    Money CreditSize;
    Money PaymentsSum;
    Money FullMustBePaymentSum;
    // -1: the schedule was not shown, and is not compared.
    int ScheduleRows = -1;
    int LastScheduleRowID = -1;

    // The credit as a list shows it, its schedule unseen.
    static TCreditPicture Of(int debtorID, const TCredit& credit);
    // The credit with its schedule's number of rows and largest row key.
    static TCreditPicture Of(int debtorID, const TCredit& credit, int scheduleRows, int lastScheduleRowID);
    // The credit with its stored schedule.
    static TCreditPicture Of(int debtorID, const TCredit& credit, const TPaymentSchedule& schedule);

    // The same contract under this key: not another credit that took the key of a deleted one.
    bool SameCredit(const TCreditPicture& now) const;
    // The schedule as it was: same rows, same total (when it was seen at all).
    bool SameSchedule(const TCreditPicture& now) const;
    bool SamePayments(const TCreditPicture& now) const { return PaymentsSum == now.PaymentsSum; }
};
