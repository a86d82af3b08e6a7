// The system controller's payment use cases and the early-repayment decision.

#include "SystemController.h"

#include "data/DataAccessFacade.h"
#include "domain/PaymentRules.h"
#include "core/LoanBook.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "ui/CreditSelectForm.h"
#include "ui/DisplayFormats.h"
#include "ui/MessageBoxes.h"
#include "ui/PaymentForm.h"

namespace {

void WarnNoActiveCredits()
{
    ShowMessageBox({ QMessageBox::Warning, QStringLiteral("Внести платеж невозможно"),
                     QStringLiteral("У этого должника нет активных кредитов."), QMessageBox::Ok });
}

}

void TSystemController::MakeDebtorPayment(int index)
{
    TUseCaseScope scope(m_gate);
    TDebtor debtor;
    ReadCurrentDebtor(&debtor);
    MakeDebtorPaymentFor(debtor, index);
}

void TSystemController::MakeDebtorPaymentFor(const TDebtor& debtor, int index)
{
    TUseCaseScope scope(m_gate);
    // An empty list has no debtor to pay for.
    if (!m_parts.Facade().DebtorExists(debtor.GetID()))
        return;
    TCredit credit;
    if (ChooseCreditForPayment(debtor, credit, index))
        MakePayment(debtor, TCreditPicture::Of(debtor.GetID(), credit));
}

bool TSystemController::ChooseCreditForPayment(const TDebtor& debtor, TCredit& credit, int index)
{
    TUseCaseScope scope(m_gate);
    TCreditsList credits;
    m_parts.Facade().LoadDebtorCredits(debtor.GetID(), credits);
    // A credit chosen in the list, or the only open one, takes the payment
    // without asking; repaid credits never do.
    int open = 0;
    int lastOpen = -1;
    for (int i = 0; i < credits.Count(); ++i)
        if (!credits.Items(i)->IsPaidOff()) {
            ++open;
            lastOpen = i;
        }
    if (open == 0) {
        WarnNoActiveCredits();
        return false;
    }
    const int chosen = credits.IsValidIndex(index) && !credits.Items(index)->IsPaidOff() ? index
        : open == 1                                                                      ? lastOpen
                                                                                         : -1;
    if (chosen != -1) {
        credit.Assign(credits.Items(chosen));
        return true;
    }
    TDebtor listed;
    if (!ReadCurrentDebtor(&listed))
        return false;
    TCreditSelectForm form;
    if (!form.Execute(&credits, &listed, index) || !credits.IsValidIndex(form.SelectedIndex()))
        return false;
    credit.Assign(credits.Items(form.SelectedIndex()));
    return true;
}

void TSystemController::MakeCreditPayment(int index)
{
    TUseCaseScope scope(m_gate);
    if (!m_credits.IsValidIndex(index) || m_credits.Items(index)->IsPaidOff())
        return;
    TDebtor debtor;
    ReadCurrentDebtor(&debtor);
    MakePayment(debtor, TCreditPicture::Of(debtor.GetID(), *m_credits.Items(index)));
}

void TSystemController::MakePayment(const TDebtor& debtor, const TCreditPicture& listed)
{
    TUseCaseScope scope(m_gate);
    TLoanBook book = LoanBook();
    // Everything the payment is decided on, read once.
    const TPaymentCase payment = book.OpenPayment(listed);
    TPaymentDecision decision;
    TPaymentHistoryItem stored;
    TPaymentForm form;
    form.SetStoreOnOk(Storing([&] { stored = book.RecordPayment(payment.Picture, decision.Amount, decision.Rebuild); }));
    const TPaymentHistoryItem* last = payment.LastPayment ? &*payment.LastPayment : nullptr;
    if (!form.Execute(debtor, payment.Credit, payment.DueRow, &payment.Schedule, decision, last))
        return;
    PrintPaymentOrder(stored.GetID());
    RunOverdueIndexing();
    RefreshCredits();
}

bool TSystemController::CancelLatestPayment(int creditID)
{
    TUseCaseScope scope(m_gate);
    ILoanBookStore* facade = &m_parts.Facade();
    const QString caption = QStringLiteral("Отмена платежа");
    TPaymentHistoryItem payment;
    QString orderNumber;
    if (!facade->LoadLatestPayment(creditID, payment, &orderNumber)) {
        ShowMessageBox({ QMessageBox::Warning, caption, TLoanBook::NoPaymentsMessage(),
                         QMessageBox::Ok });
        return false;
    }
    if (PaymentRules::RebuiltSchedule(payment)) {
        ShowMessageBox({ QMessageBox::Warning, caption, PaymentRules::RebuiltScheduleMessage(),
                         QMessageBox::Ok });
        return false;
    }
    const QString order = orderNumber.isEmpty() ? QString() : QStringLiteral(" (приходный ордер № %1)").arg(orderNumber);
    const QString question
        = QStringLiteral("Отменить последний платёж по кредиту: %1 от %2%3?\r\n\r\n"
                         "Платёж будет удалён из истории, и эта сумма снова будет числиться в долге. "
                         "Номер ордера больше никому не будет выдан.")
              .arg(FormatMoney(payment.PaymentSum), FormatShortDate(payment.PaymentDate), order);
    if (ShowMessageBox({ QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No })
        != QMessageBox::Yes)
        return false;
    LoanBook().CancelLatestPayment(creditID, payment.GetID());
    RunOverdueIndexing();
    RefreshCredits();
    return true;
}
