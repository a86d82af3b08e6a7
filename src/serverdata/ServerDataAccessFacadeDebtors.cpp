#include "ServerDataAccessFacade.h"

#include "postgres/PgResult.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "domain/Debtor.h"

namespace {

TQueryParams DebtorFields(const TDebtor& debtor)
{
    return { { QStringLiteral("Name"), debtor.GetName() },
             { QStringLiteral("Surname"), debtor.Surname },
             { QStringLiteral("PatronymicName"), debtor.PatronymicName },
             { QStringLiteral("Telephone"), debtor.Telephone },
             { QStringLiteral("PostCode"), debtor.PostCode },
             { QStringLiteral("Region"), debtor.Region },
             { QStringLiteral("District"), debtor.District },
             { QStringLiteral("City"), debtor.City },
             { QStringLiteral("Street"), debtor.Street },
             { QStringLiteral("Building"), debtor.Building },
             { QStringLiteral("Flat"), debtor.Flat },
             { QStringLiteral("PassportSeries"), debtor.PassportSeries },
             { QStringLiteral("PassportNumber"), debtor.PassportNumber },
             { QStringLiteral("PassportInfo"), debtor.PassportInfo } };
}

}

bool TServerDataAccessFacade::LoadDebtor(TDebtor& debtor)
{
    CheckDebtorExists(debtor.GetID());
    const auto rows = Query({ QStringLiteral("SELECT * FROM Debtors WHERE DebtorID = :DebtorID") },
                            { { QStringLiteral("DebtorID"), debtor.GetID() } });
    if (rows->IsEmpty())
        return false;
    debtor.SetName(rows->Text(0, QStringLiteral("Name")));
    debtor.Surname = rows->Text(0, QStringLiteral("Surname"));
    debtor.PatronymicName = rows->Text(0, QStringLiteral("PatronymicName"));
    debtor.PassportSeries = rows->Text(0, QStringLiteral("PassportSeries"));
    debtor.PassportNumber = rows->Text(0, QStringLiteral("PassportNumber"));
    debtor.PassportInfo = rows->Text(0, QStringLiteral("PassportInfo"));
    debtor.PostCode = rows->Text(0, QStringLiteral("PostCode"));
    debtor.Region = rows->Text(0, QStringLiteral("Region"));
    debtor.District = rows->Text(0, QStringLiteral("District"));
    debtor.City = rows->Text(0, QStringLiteral("City"));
    debtor.Street = rows->Text(0, QStringLiteral("Street"));
    debtor.Building = rows->Text(0, QStringLiteral("Building"));
    debtor.Flat = rows->Text(0, QStringLiteral("Flat"));
    debtor.Telephone = rows->Text(0, QStringLiteral("Telephone"));
    return true;
}

void TServerDataAccessFacade::InsertDebtor(TDebtor& debtor)
{
    TPgTransactionScope transaction(Connection());
    const TPgResult inserted = Run(
        { QStringLiteral("INSERT INTO Debtors (Name, Surname, PatronymicName, Telephone, PostCode, Region, District, "
                         "City, Street, Building, Flat, PassportSeries, PassportNumber, PassportInfo)"),
          QStringLiteral("VALUES (:Name, :Surname, :PatronymicName, :Telephone, :PostCode, :Region, :District, :City, "
                         ":Street, :Building, :Flat, :PassportSeries, :PassportNumber, :PassportInfo)"),
          QStringLiteral("RETURNING DebtorID") },
        DebtorFields(debtor));
    const int id = int(inserted.Integer(0, 0));
    transaction.Commit();
    // Only a stored debtor gets its key: after a failure the record stays new.
    debtor.SetID(id);
}

void TServerDataAccessFacade::UpdateDebtor(TDebtor& debtor)
{
    TPgTransactionScope transaction(Connection());
    CheckDebtorExists(debtor.GetID());
    TQueryParams params = DebtorFields(debtor);
    params.append({ QStringLiteral("DebtorID"), debtor.GetID() });
    Run({ QStringLiteral("UPDATE Debtors SET Name = :Name, Surname = :Surname, PatronymicName = :PatronymicName,"),
          QStringLiteral("Telephone = :Telephone, PostCode = :PostCode, Region = :Region, District = :District,"),
          QStringLiteral("City = :City, Street = :Street, Building = :Building, Flat = :Flat,"),
          QStringLiteral("PassportSeries = :PassportSeries, PassportNumber = :PassportNumber, "
                         "PassportInfo = :PassportInfo"),
          QStringLiteral("WHERE DebtorID = :DebtorID") },
        params);
    transaction.Commit();
}

void TServerDataAccessFacade::DeleteDebtor(int debtorID)
{
    // The key's sequence never gives a deleted debtor's key again.
    Run({ QStringLiteral("DELETE FROM Debtors WHERE DebtorID = :DebtorID") },
        { { QStringLiteral("DebtorID"), debtorID } });
}

int TServerDataAccessFacade::GetMaxDebtorID()
{
    const TPgResult largest = Run({ QStringLiteral("SELECT coalesce(max(DebtorID), -1) FROM Debtors") });
    return int(largest.Integer(0, 0));
}
