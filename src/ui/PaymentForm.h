#pragma once

#include "domain/Money.h"
#include "StoreOnOk.h"
#include "ui/controls/HeadShakeForm.h"

#include <memory>

namespace Ui {
class PaymentForm;
}

class TCredit;
class TDebtor;
class TPaymentHistoryItem;
class TPaymentSchedule;
class TPaymentScheduleItem;

// What the clerk decided in the payment dialog: the amount received and
// whether its part ahead of the schedule rebuilds the schedule.
struct TPaymentDecision
{
    Money Amount;
    bool Rebuild = false;
};

// The payment dialog: shows where the credit stands this month and takes the
// amount received. A payment running ahead of the schedule asks, in the early
// repayment dialog, whether to keep the excess or rebuild the schedule.
class TPaymentForm : public THeadShakeForm
{
    Q_OBJECT

public:
    explicit TPaymentForm(QWidget* parent = nullptr);
    ~TPaymentForm() override;

    // Shows the dialog for a payment against the credit at the current
    // schedule row; true when closed with OK, and only then is the decision
    // filled. Without a schedule nothing is asked and the whole amount is
    // kept for the next instalments. The last payment may be none.
    bool Execute(const TDebtor& debtor, const TCredit& credit, const TPaymentScheduleItem& row,
                 const TPaymentSchedule* schedule, TPaymentDecision& decision, const TPaymentHistoryItem* lastPayment);
    // Stored when OK is pressed, before the dialog closes (see TStoreOnOk).
    void SetStoreOnOk(std::function<void()> store) { m_storeOnOk.Set(std::move(store)); }

private:
    // The entered amount: what the field reads as a non-negative number, else 0.
    Money EnteredSum() const;
    // What this month's control sum still lacks after a payment of e.
    Money MonthBalance(Money e) const;
    // What is left of the whole debt after a payment of e.
    Money RemainingDebt(Money e) const;
    // The remainder if the schedule were rebuilt at the current row.
    Money RemainingIfRecalculated() const;

    void ShowParties(const TDebtor& debtor, const TCredit& credit);
    void ShowLastPayment(const TPaymentHistoryItem* lastPayment);
    void ShowMonthBalance(Money balance);
    struct TAmountFault
    {
        QString Message; // empty: the amount can be paid
        bool WhileTyping = false; // said as soon as typed, not only after a try of OK
    };
    TAmountFault AmountFault() const;
    // Asks what becomes of the excess; false when the clerk cancelled (or the rebuild failed).
    bool DecideAhead(Money ahead, bool& rebuild);
    // Judges the amount and shows the verdict; true when it can be paid.
    bool ValidatePayment();
    void FillPaymentEdit(Money value);

    void PaymentEditChange();
    void AnnuaLabelClick();
    void MonthPaymentBalanceLabelClick();
    void RemainLabelClick();
    void RemainIfRecalcLabelClick();
    void OkActionExecute();

    std::unique_ptr<Ui::PaymentForm> m_ui;
    const TCredit* m_credit = nullptr;
    const TPaymentScheduleItem* m_row = nullptr;
    const TPaymentSchedule* m_schedule = nullptr;
    TPaymentDecision* m_decision = nullptr;
    TStoreOnOk m_storeOnOk;
};
