#pragma once

// A loan book for the tests of the payments grid: one debtor with one credit,
// whose payments the test records; the payments come back as the result set
// the controller hands to the history dialog.

#include "support/DataTestSupport.h"
#include "support/SampleRecords.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"

#include <memory>

struct TPaymentsBook : DataTest::TBook
{
    TDebtor Debtor;
    TCredit Credit;

    TPaymentsBook()
    {
        Debtor.Surname = QStringLiteral("Иванов");
        Debtor.SetName(QStringLiteral("Пётр"));
        Debtor.PatronymicName = QStringLiteral("Сергеевич");
        facade->InsertDebtor(Debtor);
        Credit = Sample::WorkedExampleCredit();
        Credit.ContractNumber = QStringLiteral("К-2009/17");
        Credit.ContractDate = DateTime::FromYMD(2009, 1, 15);
        Credit.FullMustBePaymentSum = Money::FromText(QStringLiteral("10661.8548"));
        facade->InsertCredit(Debtor.GetID(), Credit);
    }

    // Records a payment; the amounts are written as in a loan book ("888.4879").
    int AddPayment(const DateTime& date, const char* sum, const char* ahead = "0")
    {
        TPaymentHistoryItem payment;
        payment.PaymentDate = date;
        payment.PaymentSum = Money::FromText(QString::fromLatin1(sum));
        payment.AheadSum = Money::FromText(QString::fromLatin1(ahead));
        facade->InsertPayment(Credit.GetID(), payment);
        return payment.GetID();
    }

    std::unique_ptr<TResultSet> Payments() { return facade->OpenCreditPaymentsQuery(Credit.GetID()); }
};
