#include "ServerDataAccessFacade.h"

#include "postgres/PgResult.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "domain/PaymentHistoryItem.h"

void TServerDataAccessFacade::InsertPayment(int creditID, TPaymentHistoryItem& payment)
{
    TPgTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    // The key, and so the cash order's number, comes from the book's counter
    // row (the schema's trigger): the next number, held until this transaction ends.
    const TPgResult inserted =
        Run({ QStringLiteral("INSERT INTO PaymentHistory (CreditID, PaymentDate, PaymentSum, AheadSum)"),
              QStringLiteral("VALUES (:CreditID, :PaymentDate, :PaymentSum, :AheadSum) RETURNING PaymentID") },
            { { QStringLiteral("CreditID"), creditID },
              { QStringLiteral("PaymentDate"), MomentParam(payment.PaymentDate) },
              { QStringLiteral("PaymentSum"), MoneyParam(payment.PaymentSum) },
              { QStringLiteral("AheadSum"), MoneyParam(payment.AheadSum) } });
    const int id = int(inserted.Integer(0, 0));
    transaction.Commit();
    payment.SetID(id);
}

bool TServerDataAccessFacade::LoadLastPayment(int creditID, TPaymentHistoryItem& payment)
{
    // Only the moment is wanted here; the record's ID and amounts stay as they were.
    TPaymentHistoryItem latest;
    if (!LoadLatestPayment(creditID, latest, nullptr))
        return false;
    payment.PaymentDate = latest.PaymentDate;
    return true;
}

void TServerDataAccessFacade::DeleteCreditPayments(int creditID)
{
    Run({ QStringLiteral("DELETE FROM PaymentHistory WHERE CreditID = :CreditID") },
        { { QStringLiteral("CreditID"), creditID } });
}

bool TServerDataAccessFacade::LoadLatestPayment(int creditID, TPaymentHistoryItem& payment, QString* orderNumber)
{
    CheckCreditExists(creditID);
    const auto rows = Query({ QStringLiteral("SELECT * FROM PaymentHistory WHERE CreditID = :CreditID"),
                              // Two payments of one moment: the one stored last.
                              QStringLiteral("ORDER BY PaymentDate DESC NULLS LAST, PaymentID DESC LIMIT 1") },
                            { { QStringLiteral("CreditID"), creditID } });
    if (rows->IsEmpty())
        return false;
    payment.SetID(int(rows->Integer(0, QStringLiteral("PaymentID"))));
    payment.PaymentDate = rows->DateTimeValue(0, QStringLiteral("PaymentDate"));
    payment.PaymentSum = rows->MoneyValue(0, QStringLiteral("PaymentSum"));
    payment.AheadSum = rows->MoneyValue(0, QStringLiteral("AheadSum"));
    if (orderNumber)
        *orderNumber = rows->Text(0, QStringLiteral("OrderNumber"));
    return true;
}

void TServerDataAccessFacade::DeletePayment(int paymentID)
{
    // The schema's triggers take the payment off the credit's total; the
    // counter keeps its number, which is never given again.
    Run({ QStringLiteral("DELETE FROM PaymentHistory WHERE PaymentID = :PaymentID") },
        { { QStringLiteral("PaymentID"), paymentID } });
}
