// The system controller's use cases for debtors, credits and company details.

#include "SystemController.h"

#include "data/DataAccessFacade.h"
#include "core/LoanBook.h"
#include "domain/Company.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"
#include "ui/AddCreditForm.h"
#include "ui/AddDebtorForm.h"
#include "ui/CompanySettingsForm.h"
#include "ui/DisplayFormats.h"
#include "ui/MessageBoxes.h"
#include "ui/PaymentsHistoryForm.h"
#include "ui/SafeDeleteForm.h"

namespace {

// The warning names what goes, so that the code is never typed for the wrong one.
bool ConfirmDeletion(const QString& alert, const QString& subject)
{
    TSafeDeleteForm form;
    form.SetAlert(subject.trimmed().isEmpty() ? alert : alert + QLatin1Char('\n') + subject);
    return form.Execute();
}

}

void TSystemController::AddDebtor()
{
    TUseCaseScope scope(m_gate);
    TAddDebtorForm form;
    TDebtor debtor;
    // Stored as OK is pressed: a write that fails leaves the dialog open with what was typed.
    form.SetStoreOnOk(Storing([&] { LoanBook().AddDebtor(debtor); }));
    if (!form.Execute(&debtor, TAddDebtorForm::NewDebtorMode))
        return;
    RefreshDebtors();
    LocateDebtor(debtor.GetID());
    RefreshDebtorDetails();
    const TMessageBoxRequest question { QMessageBox::Question, QStringLiteral("Добавление кредита"),
                                        QStringLiteral("Добавить кредит этому должнику?"),
                                        QMessageBox::Yes | QMessageBox::No };
    if (ShowMessageBox(question) == QMessageBox::Yes)
        AddCredit();
}

void TSystemController::EditDebtor()
{
    TUseCaseScope scope(m_gate);
    ILoanBookStore* facade = &m_parts.Facade();
    TDebtor debtor;
    ReadCurrentDebtor(&debtor);
    if (!facade->DebtorExists(debtor.GetID()))
        return;
    if (!facade->LoadDebtor(debtor))
        throw Exception(QStringLiteral("Загрузить данные должника не удалось."));
    const TDebtor seen = debtor;
    TAddDebtorForm form;
    form.SetStoreOnOk(Storing([&] { LoanBook().ChangeDebtor(seen, debtor); }));
    if (!form.Execute(&debtor, TAddDebtorForm::EditDebtorMode))
        return;
    RefreshDebtors();
    RefreshDebtorDetails();
}

void TSystemController::DeleteCurrentDebtor()
{
    TUseCaseScope scope(m_gate);
    TDebtor shown;
    ReadCurrentDebtor(&shown);
    if (!ConfirmDeletion(QStringLiteral("Все данные о должнике будут безвозвратно удалены."),
                         QStringLiteral("Должник: %1").arg(DebtorFullName(shown))))
        return;
    // An empty list has no debtor to delete.
    if (shown.GetID() <= 0)
        return;
    LoanBook().DeleteDebtor(shown);
    RefreshDebtors();
    RefreshCredits();
    RefreshDebtorDetails();
}

void TSystemController::AddCredit()
{
    TUseCaseScope scope(m_gate);
    ILoanBookStore* facade = &m_parts.Facade();
    TDebtor debtor;
    TPaymentSchedule schedule;
    TCredit credit;
    ReadCurrentDebtor(&debtor);
    if (!facade->DebtorExists(debtor.GetID()))
        return;
    TAddCreditForm form;
    form.SetStoreOnOk(Storing([&] { LoanBook().AddCredit(debtor.GetID(), credit, schedule); }));
    if (!form.Execute(&debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule))
        return;
    RefreshCredits();
    PrintCreditSchedule(credit.GetID());
}

void TSystemController::ShowCredit(int index)
{
    TUseCaseScope scope(m_gate);
    if (!m_credits.IsValidIndex(index))
        return;
    ILoanBookStore* facade = &m_parts.Facade();
    // A copy: the credits shown may be reloaded while the dialog is open.
    TCredit credit;
    credit.Assign(m_credits.Items(index));
    TDebtor debtor;
    TPaymentSchedule schedule;
    ReadCurrentDebtor(&debtor);
    if (!facade->LoadPaymentSchedule(credit.GetID(), schedule))
        throw Exception(QStringLiteral("Загрузить график выплат не удалось."));
    // The respite is decided on the credit and the schedule as shown now.
    const TCreditPicture seen = TCreditPicture::Of(debtor.GetID(), credit, schedule);
    TAddCreditForm form;
    form.SetStoreOnOk(Storing([&] { LoanBook().GrantRespite(seen, form.RespiteRowID()); }));
    if (!form.Execute(&debtor, &credit, this, TAddCreditForm::ViewMode, &schedule))
        return;
    RunOverdueIndexing();
}

void TSystemController::DeleteCreditAt(int index)
{
    TUseCaseScope scope(m_gate);
    QString subject;
    if (m_credits.IsValidIndex(index)) {
        const TCredit* credit = m_credits.Items(index);
        subject = QStringLiteral("Кредит № %1 от %2 на %3")
                      .arg(credit->ContractNumber, FormatShortDate(credit->ContractDate), FormatMoney(credit->CreditSize));
    }
    if (!ConfirmDeletion(QStringLiteral("Все данные о кредите будут безвозвратно удалены."), subject))
        return;
    if (!m_credits.IsValidIndex(index))
        return;
    LoanBook().DeleteCredit(TCreditPicture::Of(CurrentDebtorID(), *m_credits.Items(index)));
    RunOverdueIndexing();
    RefreshCredits();
}

void TSystemController::ShowPaymentHistory(int index)
{
    TUseCaseScope scope(m_gate);
    if (!m_credits.IsValidIndex(index))
        return;
    TCredit credit;
    credit.Assign(m_credits.Items(index));
    TDebtor debtor;
    const std::unique_ptr<TResultSet> payments = m_parts.Facade().OpenCreditPaymentsQuery(credit.GetID());
    if (!ReadCurrentDebtor(&debtor))
        return;
    TPaymentsHistoryForm form;
    form.SetCancelInterface(this);
    form.Execute(&debtor, &credit, this, payments.get());
}

void TSystemController::EditCompanyInfo()
{
    TUseCaseScope scope(m_gate);
    ILoanBookStore* facade = &m_parts.Facade();
    TCompany company;
    if (facade->CompanyExists())
        facade->LoadCompany(company);
    TCompanySettingsForm form;
    form.SetStoreOnOk(Storing([&] { facade->SaveCompany(company); }));
    form.Execute(&company);
    RefreshDatabaseInfo();
}
