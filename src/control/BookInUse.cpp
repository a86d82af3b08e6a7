#include "BookInUse.h"

#include "domain/Exception.h"

ILoanBookStore& TBookInUse::Store() const
{
    if (!m_store)
        throw Exception(QStringLiteral("Книга займов не открыта."));
    return *m_store;
}

void TBookInUse::Use(const QString& address, std::unique_ptr<ILoanBookStore> store)
{
    m_store = std::move(store);
    m_address = address;
}
