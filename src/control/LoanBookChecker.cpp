#include "LoanBookChecker.h"

#include "data/LoanBookStore.h"
#include "data/LoanBookTables.h"

bool TLoanBookChecker::VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found)
{
    m_defect.clear();
    if (!m_store.VerifyDBVersion(required, found))
        return false;
    // A server book's tables are made by varnel-tool alone, with every column.
    if (TSQLiteConnection* file = m_store.FileConnection())
        m_defect = DescribeMissingLoanBookColumns(*file);
    return m_defect.isEmpty();
}
