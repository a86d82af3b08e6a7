#pragma once

#include "core/CreditPicture.h"
#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QString>

#include <cstdint>
#include <iterator>
#include <random>

class TCredit;
class ILoanBookStore;
class TLoanBook;
class TDebtor;
class TPaymentSchedule;

// A plausible loan book for trying the program out and for measuring it:
// company details, debtors with Russian names, passports and addresses, one
// to three credits each taken over the last two years with their schedules,
// payments on time, late and ahead of the schedule, credits repaid early and
// credits left unpaid, then an overdue indexing. Everything goes through the
// loan book's own operations, in one transaction. "Today" and "now" come from the
// clock; the rest from a generator seeded with the seed, so the same seed on
// the same day gives the same book.
class TDemoLoanBook
{
public:
    static constexpr int DefaultDebtors = 40;

    TDemoLoanBook(int debtors, std::uint32_t seed);

    // Creates the file (an existing one is refused) and fills it; a failure
    // removes the file again.
    void Create(const QString& fileName);
    // Fills an open, new loan book.
    void Fill(ILoanBookStore& store);

private:
    // How a borrower pays a credit.
    enum class TConduct
    {
        OnTime,
        Late,
        StopsPaying,
        PaysAhead,
        RepaysEarly,
        PaysShort,
    };

    int Uniform(int low, int high);
    bool Chance(int percent);
    template <typename List>
    const auto& Pick(const List& list)
    {
        return list[std::size_t(Uniform(0, int(std::size(list)) - 1))];
    }
    DateTime MomentOn(const DateTime& day);

    void FillDebtor(TDebtor& debtor);
    void AddCredit(int debtorID);
    TConduct PickConduct();
    // Records the payments of the credit up to now and rebuilds its schedule
    // where a payment runs ahead.
    void PayCredit(TCredit& credit, TPaymentSchedule& schedule, TConduct conduct);
    // A payment of the credit being paid, recorded as the clerk would at that
    // moment; with rebuild its advance rebuilds the schedule.
    void Pay(const DateTime& moment, Money amount, bool rebuild);

    int m_debtors;
    std::mt19937 m_random;
    TLoanBook* m_book = nullptr;
    TCreditPicture m_seen; // of the credit being paid
    DateTime m_now;
    int m_contracts = 0;
    Money m_paid; // of the credit being paid
};
