#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/Debtor.h"

namespace {

void BindDebtorFields(TSQLStatement& statement, const TDebtor& debtor)
{
    statement.BindText(QStringLiteral("Name"), debtor.GetName());
    statement.BindText(QStringLiteral("Surname"), debtor.Surname);
    statement.BindText(QStringLiteral("PatronymicName"), debtor.PatronymicName);
    statement.BindText(QStringLiteral("Telephone"), debtor.Telephone);
    statement.BindText(QStringLiteral("PostCode"), debtor.PostCode);
    statement.BindText(QStringLiteral("Region"), debtor.Region);
    statement.BindText(QStringLiteral("District"), debtor.District);
    statement.BindText(QStringLiteral("City"), debtor.City);
    statement.BindText(QStringLiteral("Street"), debtor.Street);
    statement.BindText(QStringLiteral("Building"), debtor.Building);
    statement.BindText(QStringLiteral("Flat"), debtor.Flat);
    statement.BindText(QStringLiteral("PassportSeries"), debtor.PassportSeries);
    statement.BindText(QStringLiteral("PassportNumber"), debtor.PassportNumber);
    statement.BindText(QStringLiteral("PassportInfo"), debtor.PassportInfo);
}

}

bool TDataAccessFacade::LoadDebtor(TDebtor& debtor)
{
    CheckDebtorExists(debtor.GetID());
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT * FROM Debtors"), QStringLiteral("WHERE DebtorID = :DebtorID") });
    statement.BindInteger(QStringLiteral("DebtorID"), debtor.GetID());
    if (!statement.Step())
        return false;
    debtor.SetName(statement.Text(QStringLiteral("Name")));
    debtor.Surname = statement.Text(QStringLiteral("Surname"));
    debtor.PatronymicName = statement.Text(QStringLiteral("PatronymicName"));
    debtor.PassportSeries = statement.Text(QStringLiteral("PassportSeries"));
    debtor.PassportNumber = statement.Text(QStringLiteral("PassportNumber"));
    debtor.PassportInfo = statement.Text(QStringLiteral("PassportInfo"));
    debtor.PostCode = statement.Text(QStringLiteral("PostCode"));
    debtor.Region = statement.Text(QStringLiteral("Region"));
    debtor.District = statement.Text(QStringLiteral("District"));
    debtor.City = statement.Text(QStringLiteral("City"));
    debtor.Street = statement.Text(QStringLiteral("Street"));
    debtor.Building = statement.Text(QStringLiteral("Building"));
    debtor.Flat = statement.Text(QStringLiteral("Flat"));
    debtor.Telephone = statement.Text(QStringLiteral("Telephone"));
    return true;
}

void TDataAccessFacade::InsertDebtor(TDebtor& debtor)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("INSERT INTO Debtors (DebtorID, Name, Surname, PatronymicName, Telephone, PostCode, Region, "
                         "District, City, Street, Building, Flat, PassportSeries, PassportNumber, PassportInfo) "),
          QStringLiteral("VALUES (:DebtorID, :Name, :Surname, :PatronymicName, :Telephone, :PostCode, :Region, "
                         ":District, :City, :Street, :Building, :Flat, :PassportSeries, :PassportNumber, "
                         ":PassportInfo)") });
    const int id = int(AllocateKeys(QStringLiteral("Debtors"), QStringLiteral("DebtorID")));
    statement.BindInteger(QStringLiteral("DebtorID"), id);
    BindDebtorFields(statement, debtor);
    statement.Execute();
    transaction.Commit();
    // Only a stored debtor gets its key: after a failure the record stays new.
    debtor.SetID(id);
}

void TDataAccessFacade::UpdateDebtor(TDebtor& debtor)
{
    TTransactionScope transaction(Connection());
    CheckDebtorExists(debtor.GetID());
    TSQLStatement statement(Connection(),
                            { QStringLiteral("UPDATE Debtors"),
                              QStringLiteral("SET Name = :Name, Surname = :Surname, PatronymicName = :PatronymicName,"),
                              QStringLiteral("Telephone = :Telephone,"),
                              QStringLiteral("PostCode = :PostCode, Region = :Region, District = :District, "),
                              QStringLiteral("City = :City, Street = :Street, Building = :Building, Flat = :Flat, "),
                              QStringLiteral("PassportSeries = :PassportSeries, PassportNumber = :PassportNumber, "
                                             "PassportInfo = :PassportInfo"),
                              QStringLiteral("WHERE DebtorID = :DebtorID") });
    BindDebtorFields(statement, debtor);
    statement.BindInteger(QStringLiteral("DebtorID"), debtor.GetID());
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::DeleteDebtor(int debtorID)
{
    DeleteWithID(QStringLiteral("Debtors"), QStringLiteral("DebtorID"),
                 { QStringLiteral("DELETE FROM Debtors"), QStringLiteral("WHERE DebtorID = :DebtorID") },
                 QStringLiteral("DebtorID"), debtorID);
}

int TDataAccessFacade::GetMaxDebtorID()
{
    TSQLStatement statement(
        Connection(), { BuildSelectSQL(QStringLiteral("Debtors"), { QStringLiteral("Max(DebtorID) AS MaxID") }) });
    if (!statement.Step() || statement.IsNull(0))
        return -1;
    return int(statement.Integer(QStringLiteral("MaxID")));
}
