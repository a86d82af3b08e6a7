#pragma once

// Printing a credit's payment schedule, offered by the credit dialog when
// viewing a stored credit. Implemented by the controller; no lifetime management.
class ICreditReportInterface
{
public:
    virtual void PrintCreditSchedule(int creditID) = 0;

protected:
    ~ICreditReportInterface() = default;
};
