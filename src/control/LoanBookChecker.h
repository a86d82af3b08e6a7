#pragma once

#include "data/DBVersionChecker.h"

#include <QString>

class ILoanBookStore;

// The start-up's check of a file: its version record first, then every table
// and column the program works with, so that a book is refused before it is
// used, not at the first statement that meets the gap.
class TLoanBookChecker : public IDBVersionChecker
{
public:
    // The store is borrowed; the check runs on its connection.
    explicit TLoanBookChecker(ILoanBookStore& store) : m_store(store) {}

    bool VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found) override;
    // Why the last file with the right version was refused; empty when it was not.
    const QString& Defect() const { return m_defect; }

private:
    ILoanBookStore& m_store;
    QString m_defect;
};
