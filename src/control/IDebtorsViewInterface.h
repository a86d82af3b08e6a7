#pragma once

class TCreditsList;
class TDebtor;
class TResultSet;

// The main window's debtors grid, credits list and details, as the system
// controller drives them. Holding it never frees the window.
class IDebtorsViewInterface
{
public:
    // The grid shows this list (owned by the controller), read anew: it is
    // handed over again whenever its rows were read again; an absent one is
    // ignored.
    virtual void SetDebtorsDataSet(TResultSet* dataSet) = 0;
    // The grid shows the debtor of this ID selected; one not listed (0 on an
    // empty list) leaves no row selected. The window tells the controller of
    // the rows the user selects (TSystemController::SelectDebtor), not of this one.
    virtual void SelectDebtor(int debtorID) = 0;
    // The credits of the current debtor, in list order: a row of the credits
    // list is an index into this list. The list stays the controller's and
    // lives until the next ShowCredits.
    virtual void ShowCredits(const TCreditsList* credits) = 0;
    // The details of the current debtor; nothing happens without one.
    virtual void ShowDebtorDetails(const TDebtor* debtor) = 0;

protected:
    ~IDebtorsViewInterface() = default;
};
