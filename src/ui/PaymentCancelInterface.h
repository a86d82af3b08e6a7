#pragma once

// Taking a payment back from the payment history dialog. Implemented by the
// controller; no lifetime management.
class IPaymentCancelInterface
{
public:
    // Cancels the credit's latest payment once the user has confirmed it;
    // true when it was cancelled (the history then reads differently).
    virtual bool CancelLatestPayment(int creditID) = 0;

protected:
    ~IPaymentCancelInterface() = default;
};
