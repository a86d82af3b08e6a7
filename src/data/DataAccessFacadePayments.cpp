#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/Exception.h"
#include "domain/PaymentHistoryItem.h"

void TDataAccessFacade::InsertPayment(int creditID, TPaymentHistoryItem& payment)
{
    TTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("INSERT INTO PaymentHistory (PaymentID, CreditID, PaymentDate, PaymentSum, AheadSum) "),
          QStringLiteral("VALUES (:PaymentID, :CreditID, :PaymentDate, :PaymentSum, :AheadSum);") });
    // The file numbers the cash order after the key, so a new key is a new order number too.
    const int id = int(AllocateKeys(QStringLiteral("PaymentHistory"), QStringLiteral("PaymentID")));
    statement.BindInteger(QStringLiteral("PaymentID"), id);
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    statement.BindDateTime(QStringLiteral("PaymentDate"), payment.PaymentDate);
    statement.BindMoney(QStringLiteral("PaymentSum"), payment.PaymentSum);
    statement.BindMoney(QStringLiteral("AheadSum"), payment.AheadSum);
    statement.Execute();
    transaction.Commit();
    payment.SetID(id);
}

bool TDataAccessFacade::LoadLastPayment(int creditID, TPaymentHistoryItem& payment)
{
    // Only the moment is wanted here; the record's ID and amounts stay as they were.
    TPaymentHistoryItem latest;
    if (!LoadLatestPayment(creditID, latest, nullptr))
        return false;
    payment.PaymentDate = latest.PaymentDate;
    return true;
}

void TDataAccessFacade::DeleteCreditPayments(int creditID)
{
    DeleteWithID(QStringLiteral("PaymentHistory"), QStringLiteral("PaymentID"),
                 { QStringLiteral("DELETE FROM PaymentHistory"), QStringLiteral("WHERE CreditID = :CreditID") },
                 QStringLiteral("CreditID"), creditID);
}

bool TDataAccessFacade::LoadLatestPayment(int creditID, TPaymentHistoryItem& payment, QString* orderNumber)
{
    CheckCreditExists(creditID);
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT * FROM PaymentHistory"),
                              QStringLiteral("WHERE CreditID = :CreditID"),
                              // Two payments of one moment: the one stored last.
                              QStringLiteral("ORDER BY PaymentDate DESC, PaymentID DESC LIMIT 1") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    if (!statement.Step())
        return false;
    payment.SetID(int(statement.Integer(QStringLiteral("PaymentID"))));
    payment.PaymentDate = statement.DateTimeValue(QStringLiteral("PaymentDate"));
    payment.PaymentSum = statement.MoneyValue(QStringLiteral("PaymentSum"));
    payment.AheadSum = statement.MoneyValue(QStringLiteral("AheadSum"));
    if (orderNumber)
        *orderNumber = statement.Text(QStringLiteral("OrderNumber"));
    return true;
}

void TDataAccessFacade::DeletePayment(int paymentID)
{
    // The file's triggers take the payment off the credit's total.
    DeleteWithID(QStringLiteral("PaymentHistory"), QStringLiteral("PaymentID"),
                 { QStringLiteral("DELETE FROM PaymentHistory"), QStringLiteral("WHERE PaymentID = :PaymentID") },
                 QStringLiteral("PaymentID"), paymentID);
}
