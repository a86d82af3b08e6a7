#pragma once

// A loan book for the game's tests: hands out the credit it was given, or
// none, and counts how often it was asked.

#include "domain/Credit.h"
#include "domain/DateTime.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/Money.h"
#include "extras/DebtorsGameVisitor.h"
#include "extras/NameSexFunction.h"

#include <optional>

class TScriptedLoanBook : public IDebtorsGameVisitor
{
public:
    TScriptedLoanBook() { Lend(Money::FromUnits(10000 * Money::UnitsPerRouble)); }

    // The next turns are about a loan of this size, taken by Иванов Пётр Сергеевич.
    void Lend(Money size)
    {
        Debtor.SetID(7);
        Debtor.Surname = QStringLiteral("Иванов");
        Debtor.SetName(QStringLiteral("Пётр"));
        Debtor.PatronymicName = QStringLiteral("Сергеевич");
        Credit.SetID(3);
        Credit.CreditSize = size;
        Credit.ContractDate = DateTime::FromYMD(2009, 2, 15);
        HasCredit = true;
    }

    bool PickRandomCredit(TDebtor& debtor, TCredit& credit) override
    {
        ++Picks;
        if (!HasCredit)
            return false;
        debtor = Debtor;
        credit.Assign(&Credit);
        return true;
    }

    TDebtor Debtor;
    TCredit Credit;
    bool HasCredit = true;
    int Picks = 0;
};

// The declension library's answer for a patronymic: male for "...вич".
inline int SexByPatronymic(const QString& patronymic)
{
    return patronymic.endsWith(QStringLiteral("вич")) ? 1 : 2;
}

// A declension library that fails with the given error.
template <typename TError>
TNameSexFunction FailingNameSex(const TError& error)
{
    return [error](const QString&) -> int { throw error; };
}
