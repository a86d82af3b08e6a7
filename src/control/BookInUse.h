#pragma once

#include "data/LoanBookStore.h"

#include <QString>

#include <memory>

// The loan book the program works on, a file or a server book, with the
// address it was opened by (the file's path or the server book's URI). The
// start-up puts a book here once it passed every check; everyone else asks
// for the store each time, so that a switch of books reaches them all.
class TBookInUse
{
public:
    bool IsOpen() const { return m_store != nullptr; }
    // Raises when no book is open.
    ILoanBookStore& Store() const;
    const QString& Address() const { return m_address; }

    // Takes the store; the book used before is closed.
    void Use(const QString& address, std::unique_ptr<ILoanBookStore> store);

private:
    QString m_address;
    std::unique_ptr<ILoanBookStore> m_store;
};
