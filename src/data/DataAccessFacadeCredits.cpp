#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/CreditsList.h"

namespace {

void BindCreditTerms(TSQLStatement& statement, const TCredit& credit)
{
    statement.BindInteger(QStringLiteral("PaymentDay"), credit.PaymentDay);
    statement.BindMoney(QStringLiteral("CreditSize"), credit.CreditSize);
    statement.BindMoney(QStringLiteral("FullMustBePaymentSum"), credit.FullMustBePaymentSum);
    statement.BindInteger(QStringLiteral("CreditPeriod"), credit.CreditPeriod);
    statement.BindInteger(QStringLiteral("YearPercent"), credit.YearPercent);
    statement.BindText(QStringLiteral("ContractNumber"), credit.ContractNumber);
    statement.BindDateTime(QStringLiteral("ContractDate"), credit.ContractDate);
}

void ReadCredit(const TSQLStatement& statement, TCredit& credit)
{
    credit.SetID(int(statement.Integer(QStringLiteral("CreditID"))));
    credit.ContractNumber = statement.Text(QStringLiteral("ContractNumber"));
    credit.ContractDate = statement.DateTimeValue(QStringLiteral("ContractDate"));
    credit.PaymentDay = int(statement.Integer(QStringLiteral("PaymentDay")));
    credit.CreditSize = statement.MoneyValue(QStringLiteral("CreditSize"));
    credit.FullMustBePaymentSum = statement.MoneyValue(QStringLiteral("FullMustBePaymentSum"));
    credit.CreditPeriod = int(statement.Integer(QStringLiteral("CreditPeriod")));
    credit.YearPercent = int(statement.Integer(QStringLiteral("YearPercent")));
    credit.PaymentsSum = statement.MoneyValue(QStringLiteral("PaymentsSum"));
    credit.DelayCount = int(statement.Integer(QStringLiteral("DelayCount")));
    credit.ActiveDelayCount = int(statement.Integer(QStringLiteral("ActiveDelayCount")));
}

}

int TDataAccessFacade::LoadCredit(int creditID, TCredit& credit)
{
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT * FROM Credits"), QStringLiteral("WHERE CreditID = :CreditID") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    if (!statement.Step())
        return -1;
    ReadCredit(statement, credit);
    return int(statement.Integer(QStringLiteral("DebtorID")));
}

void TDataAccessFacade::LoadDebtorCredits(int debtorID, TCreditsList& credits)
{
    CheckDebtorExists(debtorID);
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT * FROM Credits"), QStringLiteral("WHERE DebtorID = :DebtorID") });
    statement.BindInteger(QStringLiteral("DebtorID"), debtorID);
    // Read everything first, so that a failing read leaves the list as it was.
    TCreditsList loaded;
    while (statement.Step())
        ReadCredit(statement, *loaded.Add(std::make_unique<TCredit>()));
    credits = std::move(loaded);
}

void TDataAccessFacade::InsertCredit(int debtorID, TCredit& credit)
{
    TTransactionScope transaction(Connection());
    CheckDebtorExists(debtorID);
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("INSERT INTO Credits (CreditID, DebtorID, PaymentDay, CreditSize, FullMustBePaymentSum, "
                         "CreditPeriod, YearPercent, ContractNumber, ContractDate) "),
          QStringLiteral("VALUES (:CreditID, :DebtorID, :PaymentDay, :CreditSize, :FullMustBePaymentSum, "
                         ":CreditPeriod, :YearPercent, :ContractNumber, :ContractDate)") });
    const int id = int(AllocateKeys(QStringLiteral("Credits"), QStringLiteral("CreditID")));
    statement.BindInteger(QStringLiteral("CreditID"), id);
    statement.BindInteger(QStringLiteral("DebtorID"), debtorID);
    BindCreditTerms(statement, credit);
    statement.Execute();
    transaction.Commit();
    credit.SetID(id);
}

void TDataAccessFacade::UpdateCredit(TCredit& credit)
{
    TTransactionScope transaction(Connection());
    CheckCreditExists(credit.GetID());
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("UPDATE Credits SET PaymentDay = :PaymentDay, CreditSize = :CreditSize, "
                         "FullMustBePaymentSum = :FullMustBePaymentSum, "),
          QStringLiteral("CreditPeriod = :CreditPeriod, YearPercent = :YearPercent, ContractNumber = :ContractNumber, "
                         "ContractDate = :ContractDate"),
          QStringLiteral("WHERE CreditID = :CreditID") });
    BindCreditTerms(statement, credit);
    statement.BindInteger(QStringLiteral("CreditID"), credit.GetID());
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::DeleteCredit(int creditID)
{
    DeleteWithID(QStringLiteral("Credits"), QStringLiteral("CreditID"),
                 { QStringLiteral("DELETE FROM Credits"), QStringLiteral("WHERE CreditID = :CreditID") },
                 QStringLiteral("CreditID"), creditID);
}

void TDataAccessFacade::DeleteDebtorCredits(int debtorID)
{
    DeleteWithID(QStringLiteral("Credits"), QStringLiteral("CreditID"),
                 { QStringLiteral("DELETE FROM Credits"), QStringLiteral("WHERE DebtorID = :DebtorID") },
                 QStringLiteral("DebtorID"), debtorID);
}
