#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/Company.h"

void TDataAccessFacade::LoadCompany(TCompany& company)
{
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM CompanyInfo") });
    const bool found = statement.Step();
    company.CompanyName = found ? statement.Text(QStringLiteral("CompanyName")) : QString();
    company.BossName = found ? statement.Text(QStringLiteral("BossName")) : QString();
}

void TDataAccessFacade::SaveCompany(TCompany& company)
{
    TTransactionScope transaction(Connection());
    if (CompanyExists())
        UpdateCompany(company);
    else
        InsertCompany(company);
    transaction.Commit();
}

void TDataAccessFacade::InsertCompany(TCompany& company)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(Connection(),
                            { BuildInsertSQL(QStringLiteral("CompanyInfo"),
                                             { QStringLiteral("CompanyName"), QStringLiteral("BossName") }) });
    statement.BindText(QStringLiteral("CompanyName"), company.CompanyName);
    statement.BindText(QStringLiteral("BossName"), company.BossName);
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::UpdateCompany(TCompany& company)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(Connection(),
                            { QStringLiteral("UPDATE CompanyInfo"), QStringLiteral("SET CompanyName = :CompanyName,"),
                              QStringLiteral("BossName = :BossName") });
    statement.BindText(QStringLiteral("CompanyName"), company.CompanyName);
    statement.BindText(QStringLiteral("BossName"), company.BossName);
    statement.Execute();
    transaction.Commit();
}
