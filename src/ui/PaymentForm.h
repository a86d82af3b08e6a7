#pragma once

#include "domain/Money.h"
#include "StoreOnOk.h"
#include "ui/controls/HeadShakeForm.h"

#include <memory>

namespace Ui {
class PaymentForm;
}

class IAheadVisitor;
class TCredit;
class TDebtor;
class TPaymentHistoryItem;
class TPaymentScheduleItem;

// The payment dialog: shows where the credit stands this month, takes the
// amount received and fills a new payment record on OK. A payment running
// ahead of the schedule is referred to the AheadVisitor.
class TPaymentForm : public THeadShakeForm
{
    Q_OBJECT

public:
    explicit TPaymentForm(QWidget* parent = nullptr);
    ~TPaymentForm() override;

    // Asked when the payment runs ahead of the schedule; none means the
    // whole amount is simply recorded. Borrowed.
    IAheadVisitor* AheadVisitor() const { return m_aheadVisitor; }
    void SetAheadVisitor(IAheadVisitor* visitor) { m_aheadVisitor = visitor; }

    // Shows the dialog for a payment against the credit at the current
    // schedule row; true when closed with OK, and only then does the new
    // payment hold PaymentDate, PaymentSum and AheadSum. The last payment may
    // be none. The credit is handed on to the AheadVisitor.
    bool Execute(const TDebtor* debtor, TCredit* credit, const TPaymentScheduleItem* row,
                 TPaymentHistoryItem* newPayment, const TPaymentHistoryItem* lastPayment);
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
    IAheadVisitor* m_aheadVisitor = nullptr;
    TCredit* m_credit = nullptr;
    const TPaymentScheduleItem* m_row = nullptr;
    TPaymentHistoryItem* m_newPayment = nullptr;
    TStoreOnOk m_storeOnOk;
};
