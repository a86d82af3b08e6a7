#pragma once

#include "Exception.h"

// The book no longer holds what the clerk decided on: another program on the
// same file (or another clerk on the same book) changed or deleted it since.
// Nothing was written; the window reads the book anew and the clerk decides
// again on what it holds now.
class EBookChangedException : public Exception
{
public:
    using Exception::Exception;

    static EBookChangedException CreditChanged();
    static EBookChangedException CreditDeleted();
    static EBookChangedException DebtorChanged();
    static EBookChangedException DebtorDeleted();
};
