// The system controller's payment use cases and the early-repayment decision.

#include "SystemController.h"

#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "sqlite/TransactionScope.h"
#include "domain/Clock.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"
#include "ui/AheadDecisionForm.h"
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

// The instalment a payment made now goes against: the first one due from
// today on, or past the schedule's end its last one, so that the arrears
// still show as owed. Empty for a credit without a schedule.
bool LoadDueRow(TDataAccessFacade& facade, int creditID, TPaymentScheduleItem* row)
{
    if (!facade.LoadScheduleFromDate(creditID, row, Clock::Now()))
        return false;
    if (row->GetID() != -1)
        return true;
    TPaymentSchedule schedule;
    facade.LoadPaymentSchedule(creditID, &schedule);
    for (int i = schedule.Count() - 1; i >= 0; --i) {
        if (!schedule.Items(i)->Deleted) {
            row->Assign(schedule.Items(i));
            break;
        }
    }
    return true;
}

}

void TSystemController::MakeDebtorPayment(int index)
{
    TUseCaseScope scope(m_gate);
    TDebtor debtor;
    ReadCurrentDebtor(m_debtorsList.get(), &debtor);
    MakeDebtorPaymentFor(&debtor, index);
}

void TSystemController::MakeDebtorPaymentFor(TDebtor* debtor, int index)
{
    TUseCaseScope scope(m_gate);
    if (!debtor || !GetDataAccessFacade()->DebtorExists(debtor->GetID()))
        return;
    TCredit credit;
    if (ChooseCreditForPayment(debtor, &credit, index))
        MakePayment(debtor, &credit);
}

bool TSystemController::ChooseCreditForPayment(TDebtor* debtor, TCredit* credit, int index)
{
    TUseCaseScope scope(m_gate);
    if (!debtor || !credit)
        return false;
    TCreditsList credits;
    GetDataAccessFacade()->LoadDebtorCredits(debtor->GetID(), &credits);
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
        credit->Assign(credits.Items(chosen));
        return true;
    }
    TDebtor listed;
    if (!ReadCurrentDebtor(m_debtorsList.get(), &listed))
        return false;
    TCreditSelectForm form;
    if (!form.Execute(&credits, &listed, index) || !credits.IsValidIndex(form.SelectedIndex()))
        return false;
    credit->Assign(credits.Items(form.SelectedIndex()));
    return true;
}

void TSystemController::MakeCreditPayment(int index)
{
    TUseCaseScope scope(m_gate);
    if (!m_credits.IsValidIndex(index) || m_credits.Items(index)->IsPaidOff())
        return;
    // A copy: the credits shown are reloaded after the payment.
    TCredit credit;
    credit.Assign(m_credits.Items(index));
    TDebtor debtor;
    ReadCurrentDebtor(m_debtorsList.get(), &debtor);
    MakePayment(&debtor, &credit);
}

void TSystemController::MakePayment(TDebtor* debtor, TCredit* credit)
{
    TUseCaseScope scope(m_gate);
    if (!debtor || !credit)
        return;
    TDataAccessFacade* facade = GetDataAccessFacade();
    TPaymentHistoryItem payment;
    TPaymentHistoryItem lastPayment;
    TPaymentScheduleItem dueRow;
    const bool hasLastPayment = facade->LoadLastPayment(credit->GetID(), &lastPayment);
    if (!LoadDueRow(*facade, credit->GetID(), &dueRow))
        return;

    m_pendingSchedule.reset();
    m_pendingCredit.reset();
    TPaymentForm form;
    form.SetAheadVisitor(this);
    form.SetStoreOnOk([&] {
        // A recalculation decided on in the dialog counts only with the payment.
        TTransactionScope transaction(facade->Connection());
        if (m_pendingSchedule && m_pendingCredit) {
            facade->UpdateCredit(m_pendingCredit.get());
            facade->SaveScheduleChanges(m_pendingCredit->GetID(), m_pendingSchedule.get());
        }
        facade->InsertPayment(credit->GetID(), &payment);
        transaction.Commit();
    });
    const bool confirmed = form.Execute(debtor, credit, &dueRow, &payment, hasLastPayment ? &lastPayment : nullptr);
    m_pendingSchedule.reset();
    m_pendingCredit.reset();
    if (!confirmed)
        return;
    PrintPaymentOrder(payment.GetID());
    RunOverdueIndexing();
    RefreshCredits(m_debtorsList.get());
}

TAheadDecision TSystemController::DecideAhead(TCredit* credit, const TPaymentScheduleItem* row, Money ahead)
{
    TUseCaseScope scope(m_gate);
    m_pendingSchedule.reset();
    m_pendingCredit.reset();
    if (!credit)
        return adCancelled;
    TPaymentSchedule schedule;
    GetDataAccessFacade()->LoadPaymentSchedule(credit->GetID(), &schedule);
    TAheadDecisionForm form;
    if (!form.Execute(credit, row, &schedule, ahead))
        return adCancelled;
    const TAheadDecision choice = form.Choice();
    if (choice == adReduceAnnua) {
        // Stored by MakePayment together with the payment, once it is confirmed.
        m_pendingSchedule = std::make_unique<TPaymentSchedule>();
        m_pendingSchedule->AssignFrom(form.ResultSchedule());
        m_pendingCredit = std::make_unique<TCredit>();
        m_pendingCredit->Assign(credit);
        m_pendingCredit->FullMustBePaymentSum = m_pendingSchedule->SumOfAnnua();
    }
    return choice;
}

bool TSystemController::CancelLatestPayment(int creditID)
{
    TUseCaseScope scope(m_gate);
    TDataAccessFacade* facade = GetDataAccessFacade();
    const QString caption = QStringLiteral("Отмена платежа");
    TPaymentHistoryItem payment;
    QString orderNumber;
    if (!facade->LoadLatestPayment(creditID, &payment, &orderNumber)) {
        ShowMessageBox({ QMessageBox::Warning, caption, QStringLiteral("По этому кредиту нет платежей."),
                         QMessageBox::Ok });
        return false;
    }
    if (TDataAccessFacade::PaymentRebuiltSchedule(payment)) {
        ShowMessageBox({ QMessageBox::Warning, caption, TDataAccessFacade::PaymentRebuiltScheduleMessage(),
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
    facade->CancelLatestPayment(creditID, payment.GetID());
    RunOverdueIndexing();
    RefreshCredits(m_debtorsList.get());
    return true;
}
