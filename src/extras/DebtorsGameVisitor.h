#pragma once

class TCredit;
class TDebtor;

// Where the game gets its riddles: a credit picked at random from the loan
// book, and its borrower. Implemented by the system controller.
class IDebtorsGameVisitor
{
public:
    // Fills both records; false when the book has no credit to offer.
    virtual bool PickRandomCredit(TDebtor& debtor, TCredit& credit) = 0;

protected:
    ~IDebtorsGameVisitor() = default;
};
