#pragma once

// Sample records as a clerk meets them, and one way to open each dialog with
// them, for the tests that walk over all the dialogs.

#include "PaymentsBook.h"
#include "support/WindowTestSupport.h"

#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScheduleCalculation.h"
#include "ui/AddCreditForm.h"
#include "ui/AddDebtorForm.h"
#include "ui/AheadDecisionForm.h"
#include "ui/CompanySettingsForm.h"
#include "ui/CreditSelectForm.h"
#include "ui/PaymentForm.h"
#include "ui/PaymentHistoryReportInterface.h"
#include "ui/PaymentsHistoryForm.h"
#include "ui/SafeDeleteForm.h"
#include "ui/SelectDateForm.h"
#include "ui/SelectMonthForm.h"

#include <QStringList>

// Printing that prints nothing: the print buttons are there as for a clerk.
struct TSilentHistoryReports : IPaymentHistoryReportInterface
{
    void PrintPaymentHistory(TResultSet*, const QStringList*) override {}
    void PrintPaymentOrder(int) override {}
};

struct TDialogSamples
{
    TPaymentsBook Book; // its debtor and credit, with three payments
    std::unique_ptr<TResultSet> Payments;
    TPaymentSchedule Schedule; // the credit's schedule
    TCreditsList Credits; // three credits of the debtor, the second repaid
    TPaymentHistoryItem LastPayment;
    TCompany Company;
    TSilentHistoryReports HistoryReports;

    TDialogSamples()
    {
        Book.Debtor.Surname = QStringLiteral("Константинопольская");
        Book.Debtor.PassportSeries = QStringLiteral("45 08");
        Book.Debtor.PassportNumber = QStringLiteral("123456");
        Book.Debtor.City = QStringLiteral("Москва");
        Book.AddPayment(DateTime::FromYMD(2009, 2, 15, 14, 30), "888.4879");
        Book.AddPayment(DateTime::FromYMD(2009, 3, 14, 10, 0), "888.4879");
        Book.AddPayment(DateTime::FromYMD(2009, 4, 15, 11, 0), "125000", "124111.5121");
        Payments = Book.Payments();
        TCredit& credit = Book.Credit;
        credit.ContractNumber = QStringLiteral("К-2025/00017");
        credit.CreditSize = M("250000");
        credit.PaymentsSum = M("1776.9758");
        BuildSchedule(&Schedule, &credit, credit.ContractDate);
        for (int i = 0; i < 3; ++i) {
            auto listed = std::make_unique<TCredit>();
            listed->Assign(&credit);
            listed->SetID(credit.GetID() + i);
            listed->ContractNumber = QStringLiteral("К-2025/%1").arg(17 + i, 5, 10, QLatin1Char('0'));
            listed->CreditSize = M("299999.99");
            listed->PaymentsSum = i == 1 ? credit.FullMustBePaymentSum : M("154321.5");
            listed->DelayCount = i == 0 ? 3 : 0;
            listed->ActiveDelayCount = i == 0 ? 1 : 0;
            Credits.Add(std::move(listed));
        }
        LastPayment.PaymentDate = DateTime::FromYMD(2009, 3, 14, 11, 0);
        Company.CompanyName = QStringLiteral("ООО «Кредит-Сервис»");
        Company.BossName = QStringLiteral("Петров Пётр Петрович");
    }

    // The dialogs by name, in the order of their descriptions.
    static QStringList DialogNames()
    {
        return {"debtor",           "credit (add)",    "credit (view)", "payment", "ahead decision",
                "credit selection", "payment history", "date",          "month",   "company",
                "safe delete"};
    }

    // Opens the named dialog with the samples and runs act while it is open;
    // the dialog is cancelled afterwards.
    void Open(const QString& name, const std::function<void(QDialog*)>& act)
    {
        const auto when = [&act](QDialog& form) { WhenOpen<QDialog>([&act](QDialog* open) { act(open); }, &form); };
        TDebtor* debtor = &Book.Debtor;
        TCredit* credit = &Book.Credit;
        if (name == "debtor") {
            TAddDebtorForm form;
            when(form);
            form.Execute(debtor, 1);
        } else if (name == "credit (add)" || name == "credit (view)") {
            const bool view = name == "credit (view)";
            TCredit fresh;
            TPaymentSchedule none;
            TAddCreditForm form;
            when(form);
            form.Execute(debtor, view ? credit : &fresh, nullptr, view ? TAddCreditForm::ViewMode : TAddCreditForm::AddMode,
                         view ? &Schedule : &none);
        } else if (name == "payment") {
            TPaymentForm form;
            when(form);
            TPaymentDecision decision;
            form.Execute(*debtor, *credit, *Schedule.Items(3), &Schedule, decision, &LastPayment);
        } else if (name == "ahead decision") {
            TAheadDecisionForm form;
            when(form);
            form.Execute(credit, Schedule.Items(3), &Schedule, M("1234.56"));
        } else if (name == "credit selection") {
            TCreditSelectForm form;
            when(form);
            form.Execute(&Credits, debtor, 0);
        } else if (name == "payment history") {
            TPaymentsHistoryForm form;
            when(form);
            form.Execute(debtor, credit, &HistoryReports, Payments.get());
        } else if (name == "date") {
            TSelectDateForm form;
            form.SetDate(DateTime::FromYMD(2026, 4, 27));
            when(form);
            form.Execute();
        } else if (name == "month") {
            TSelectMonthForm form;
            when(form);
            form.Execute();
        } else if (name == "company") {
            TCompanySettingsForm form;
            when(form);
            form.Execute(&Company);
        } else if (name == "safe delete") {
            TSafeDeleteForm form;
            form.SetAlert(QStringLiteral("Все данные о должнике будут безвозвратно удалены."));
            when(form);
            form.Execute();
        } else {
            QFAIL(qPrintable("no dialog named " + name));
        }
    }
};
