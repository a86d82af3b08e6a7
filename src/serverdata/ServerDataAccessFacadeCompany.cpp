#include "ServerDataAccessFacade.h"

#include "postgres/PgResult.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "domain/Company.h"

void TServerDataAccessFacade::LoadCompany(TCompany& company)
{
    const auto rows = Query({ QStringLiteral("SELECT * FROM CompanyInfo LIMIT 1") });
    company.CompanyName = rows->Text(0, QStringLiteral("CompanyName"));
    company.BossName = rows->Text(0, QStringLiteral("BossName"));
}

void TServerDataAccessFacade::SaveCompany(TCompany& company)
{
    TPgTransactionScope transaction(Connection());
    const TQueryParams params { { QStringLiteral("CompanyName"), company.CompanyName },
                                { QStringLiteral("BossName"), company.BossName } };
    const TPgResult updated =
        Run({ QStringLiteral("UPDATE CompanyInfo SET CompanyName = :CompanyName, BossName = :BossName") }, params);
    if (updated.ChangedRows() == 0)
        Run({ QStringLiteral("INSERT INTO CompanyInfo (CompanyName, BossName) VALUES (:CompanyName, :BossName)") },
            params);
    transaction.Commit();
}
