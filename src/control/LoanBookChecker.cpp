#include "LoanBookChecker.h"

#include "data/DataAccessFacade.h"
#include "data/LoanBookTables.h"

bool TLoanBookChecker::VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found)
{
    m_defect.clear();
    if (!m_facade.VerifyDBVersion(required, found))
        return false;
    m_defect = DescribeMissingLoanBookColumns(m_facade.Connection());
    return m_defect.isEmpty();
}
