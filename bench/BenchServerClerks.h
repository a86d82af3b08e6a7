#pragma once

#include <QString>

#include <vector>

// What a round of payments by several clerks at once gave.
struct TClerksRound
{
    int Clerks = 0;
    int Payments = 0;
    int Refused = 0;
    double PaymentsPerSecond = 0;
    double Percentile99Ms = 0; // of one payment: its look at the credit and its recording
};

// Every clerk (a thread with a connection and a loan book of its own) pays
// the credits of its share one after another, a few roubles each, all clerks
// at once; the credits are dealt out among the clerks in turn.
TClerksRound RunClerksRound(const QString& address, int clerks, const std::vector<int>& creditIDs);
