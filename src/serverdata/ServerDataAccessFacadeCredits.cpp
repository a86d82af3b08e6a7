#include "ServerDataAccessFacade.h"

#include "postgres/PgResult.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "domain/CreditsList.h"

namespace {

TQueryParams CreditTerms(const TCredit& credit)
{
    return { { QStringLiteral("PaymentDay"), credit.PaymentDay },
             { QStringLiteral("CreditSize"), TServerDataAccessFacade::MoneyParam(credit.CreditSize) },
             { QStringLiteral("FullMustBePaymentSum"),
               TServerDataAccessFacade::MoneyParam(credit.FullMustBePaymentSum) },
             { QStringLiteral("CreditPeriod"), credit.CreditPeriod },
             { QStringLiteral("YearPercent"), credit.YearPercent },
             { QStringLiteral("ContractNumber"), credit.ContractNumber },
             { QStringLiteral("ContractDate"), TServerDataAccessFacade::MomentParam(credit.ContractDate) } };
}

void ReadCredit(const TResultSet& rows, int row, TCredit& credit)
{
    credit.SetID(int(rows.Integer(row, QStringLiteral("CreditID"))));
    credit.ContractNumber = rows.Text(row, QStringLiteral("ContractNumber"));
    credit.ContractDate = rows.DateTimeValue(row, QStringLiteral("ContractDate"));
    credit.PaymentDay = int(rows.Integer(row, QStringLiteral("PaymentDay")));
    credit.CreditSize = rows.MoneyValue(row, QStringLiteral("CreditSize"));
    credit.FullMustBePaymentSum = rows.MoneyValue(row, QStringLiteral("FullMustBePaymentSum"));
    credit.CreditPeriod = int(rows.Integer(row, QStringLiteral("CreditPeriod")));
    credit.YearPercent = int(rows.Integer(row, QStringLiteral("YearPercent")));
    credit.PaymentsSum = rows.MoneyValue(row, QStringLiteral("PaymentsSum"));
    credit.DelayCount = int(rows.Integer(row, QStringLiteral("DelayCount")));
    credit.ActiveDelayCount = int(rows.Integer(row, QStringLiteral("ActiveDelayCount")));
}

}

int TServerDataAccessFacade::LoadCredit(int creditID, TCredit& credit)
{
    const auto rows = Query({ QStringLiteral("SELECT * FROM Credits WHERE CreditID = :CreditID") },
                            { { QStringLiteral("CreditID"), creditID } });
    if (rows->IsEmpty())
        return -1;
    ReadCredit(*rows, 0, credit);
    return int(rows->Integer(0, QStringLiteral("DebtorID")));
}

void TServerDataAccessFacade::LoadDebtorCredits(int debtorID, TCreditsList& credits)
{
    CheckDebtorExists(debtorID);
    // In key order, as the file gives them.
    const auto rows = Query({ QStringLiteral("SELECT * FROM Credits WHERE DebtorID = :DebtorID ORDER BY CreditID") },
                            { { QStringLiteral("DebtorID"), debtorID } });
    TCreditsList loaded;
    for (int row = 0; row < rows->RowCount(); ++row)
        ReadCredit(*rows, row, *loaded.Add(std::make_unique<TCredit>()));
    credits = std::move(loaded);
}

void TServerDataAccessFacade::LoadScheduleShape(int creditID, int& rows, int& lastRowID)
{
    const TPgResult shape = Run({ QStringLiteral("SELECT count(*), coalesce(max(ScheduleID), -1) FROM PaymentSchedule"),
                                  QStringLiteral("WHERE CreditID = :CreditID") },
                                { { QStringLiteral("CreditID"), creditID } });
    rows = int(shape.Integer(0, 0));
    lastRowID = int(shape.Integer(0, 1));
}

void TServerDataAccessFacade::InsertCredit(int debtorID, TCredit& credit)
{
    TPgTransactionScope transaction(Connection());
    CheckDebtorExists(debtorID);
    TQueryParams params = CreditTerms(credit);
    params.append({ QStringLiteral("DebtorID"), debtorID });
    const TPgResult inserted =
        Run({ QStringLiteral("INSERT INTO Credits (DebtorID, PaymentDay, CreditSize, FullMustBePaymentSum, "
                             "CreditPeriod, YearPercent, ContractNumber, ContractDate)"),
              QStringLiteral("VALUES (:DebtorID, :PaymentDay, :CreditSize, :FullMustBePaymentSum, :CreditPeriod, "
                             ":YearPercent, :ContractNumber, :ContractDate)"),
              QStringLiteral("RETURNING CreditID") },
            params);
    const int id = int(inserted.Integer(0, 0));
    transaction.Commit();
    credit.SetID(id);
}

void TServerDataAccessFacade::UpdateCredit(TCredit& credit)
{
    TPgTransactionScope transaction(Connection());
    CheckCreditExists(credit.GetID());
    TQueryParams params = CreditTerms(credit);
    params.append({ QStringLiteral("CreditID"), credit.GetID() });
    Run({ QStringLiteral("UPDATE Credits SET PaymentDay = :PaymentDay, CreditSize = :CreditSize, "
                         "FullMustBePaymentSum = :FullMustBePaymentSum,"),
          QStringLiteral("CreditPeriod = :CreditPeriod, YearPercent = :YearPercent, ContractNumber = :ContractNumber, "
                         "ContractDate = :ContractDate"),
          QStringLiteral("WHERE CreditID = :CreditID") },
        params);
    transaction.Commit();
}

void TServerDataAccessFacade::DeleteCredit(int creditID)
{
    Run({ QStringLiteral("DELETE FROM Credits WHERE CreditID = :CreditID") },
        { { QStringLiteral("CreditID"), creditID } });
}

void TServerDataAccessFacade::DeleteDebtorCredits(int debtorID)
{
    Run({ QStringLiteral("DELETE FROM Credits WHERE DebtorID = :DebtorID") },
        { { QStringLiteral("DebtorID"), debtorID } });
}
