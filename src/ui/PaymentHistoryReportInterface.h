#pragma once

#include <QStringList>

class TResultSet;

// Printing from the payment history dialog. Implemented by the controller;
// no lifetime management.
class IPaymentHistoryReportInterface
{
public:
    // The payment history report over the payments shown; params are the
    // report's "name=value" lines, or none. The caller keeps the result set.
    virtual void PrintPaymentHistory(TResultSet* resultSet, const QStringList* params) = 0;
    // The payment order of one payment.
    virtual void PrintPaymentOrder(int paymentID) = 0;

protected:
    ~IPaymentHistoryReportInterface() = default;
};
