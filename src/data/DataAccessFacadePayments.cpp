#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/PaymentHistoryItem.h"

void TDataAccessFacade::InsertPayment(int creditID, TPaymentHistoryItem* payment)
{
    if (!payment)
        return;
    TTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("INSERT INTO PaymentHistory (CreditID, PaymentDate, PaymentSum, AheadSum) "),
          QStringLiteral("VALUES (:CreditID, :PaymentDate, :PaymentSum, :AheadSum);") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    statement.BindDateTime(QStringLiteral("PaymentDate"), payment->PaymentDate);
    statement.BindMoney(QStringLiteral("PaymentSum"), payment->PaymentSum);
    statement.BindMoney(QStringLiteral("AheadSum"), payment->AheadSum);
    statement.Execute();
    const int id = GetLastInsertID();
    transaction.Commit();
    payment->SetID(id);
}

bool TDataAccessFacade::LoadLastPayment(int creditID, TPaymentHistoryItem* payment)
{
    if (!payment)
        return false;
    CheckCreditExists(creditID);
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT * FROM PaymentHistory"),
                              QStringLiteral("WHERE CreditID = :CreditID"),
                              QStringLiteral("ORDER BY PaymentDate DESC") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    if (!statement.Step())
        return false;
    payment->PaymentDate = statement.DateTimeValue(QStringLiteral("PaymentDate"));
    return true;
}

void TDataAccessFacade::DeleteCreditPayments(int creditID)
{
    ExecuteWithID({ QStringLiteral("DELETE FROM PaymentHistory"), QStringLiteral("WHERE CreditID = :CreditID") },
                  QStringLiteral("CreditID"), creditID);
}
