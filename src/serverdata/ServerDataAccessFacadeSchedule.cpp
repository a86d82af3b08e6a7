#include "ServerDataAccessFacade.h"

#include "postgres/PgResult.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"

namespace {

// Where the columns of a schedule row are, found once per set rather than once per row.
struct TScheduleColumns
{
    explicit TScheduleColumns(const TResultSet& rows)
        : ScheduleID(rows.ColumnIndex(QStringLiteral("ScheduleID")))
        , PaymentDate(rows.ColumnIndex(QStringLiteral("PaymentDate")))
        , Balance(rows.ColumnIndex(QStringLiteral("Balance")))
        , MustBePaymentSum(rows.ColumnIndex(QStringLiteral("MustBePaymentSum")))
        , PayingOff(rows.ColumnIndex(QStringLiteral("PayingOff")))
        , CreditPercents(rows.ColumnIndex(QStringLiteral("CreditPercents")))
        , Annua(rows.ColumnIndex(QStringLiteral("Annua")))
        , WasDelay(rows.ColumnIndex(QStringLiteral("WasDelay")))
        , ActiveDelay(rows.ColumnIndex(QStringLiteral("ActiveDelay")))
    {
    }

    int ScheduleID, PaymentDate, Balance, MustBePaymentSum, PayingOff, CreditPercents, Annua, WasDelay, ActiveDelay;
};

void ReadScheduleItem(const TResultSet& rows, int row, const TScheduleColumns& columns, TPaymentScheduleItem& item)
{
    item.SetID(int(rows.Integer(row, columns.ScheduleID)));
    item.PaymentDate = rows.DateTimeValue(row, columns.PaymentDate);
    item.Balance = rows.MoneyValue(row, columns.Balance);
    item.MustBePaymentSum = rows.MoneyValue(row, columns.MustBePaymentSum);
    item.PayingOff = rows.MoneyValue(row, columns.PayingOff);
    item.CreditPercents = rows.MoneyValue(row, columns.CreditPercents);
    item.Annua = rows.MoneyValue(row, columns.Annua);
    item.WasDelay = rows.Flag(row, columns.WasDelay);
    item.ActiveDelay = rows.Flag(row, columns.ActiveDelay);
    item.Modified = false;
    item.Deleted = false;
}

TQueryParams ScheduleFields(const TPaymentScheduleItem& item)
{
    return { { QStringLiteral("PaymentDate"), TServerDataAccessFacade::MomentParam(item.PaymentDate) },
             { QStringLiteral("Balance"), TServerDataAccessFacade::MoneyParam(item.Balance) },
             { QStringLiteral("MustBePaymentSum"), TServerDataAccessFacade::MoneyParam(item.MustBePaymentSum) },
             { QStringLiteral("PayingOff"), TServerDataAccessFacade::MoneyParam(item.PayingOff) },
             { QStringLiteral("CreditPercents"), TServerDataAccessFacade::MoneyParam(item.CreditPercents) },
             { QStringLiteral("Annua"), TServerDataAccessFacade::MoneyParam(item.Annua) } };
}

}

bool TServerDataAccessFacade::LoadPaymentSchedule(int creditID, TPaymentSchedule& schedule)
{
    CheckCreditExists(creditID);
    // Key order is due-date order: a schedule is inserted first row first and
    // later rows only replace its tail.
    const auto rows = Query({ QStringLiteral("SELECT * FROM PaymentSchedule WHERE CreditID = :CreditID "
                                             "ORDER BY ScheduleID") },
                            { { QStringLiteral("CreditID"), creditID } });
    const TScheduleColumns columns(*rows);
    TPaymentSchedule loaded;
    for (int row = 0; row < rows->RowCount(); ++row)
        ReadScheduleItem(*rows, row, columns, *loaded.Add(std::make_unique<TPaymentScheduleItem>()));
    schedule = std::move(loaded);
    return true;
}

bool TServerDataAccessFacade::LoadScheduleFromDate(int creditID, TPaymentScheduleItem& item, const DateTime& date)
{
    CheckCreditExists(creditID);
    // From the day's midnight: a row due that very day qualifies whatever the time of the argument.
    const auto rows = Query({ QStringLiteral("SELECT * FROM PaymentSchedule"),
                              QStringLiteral("WHERE CreditID = :CreditID AND PaymentDate >= :PaymentDate"),
                              QStringLiteral("ORDER BY PaymentDate, ScheduleID LIMIT 1") },
                            { { QStringLiteral("CreditID"), creditID },
                              { QStringLiteral("PaymentDate"), DayParam(date) } });
    if (!rows->IsEmpty())
        ReadScheduleItem(*rows, 0, TScheduleColumns(*rows), item);
    return true;
}

void TServerDataAccessFacade::InsertScheduleRow(int creditID, const TPaymentScheduleItem& item)
{
    TQueryParams params = ScheduleFields(item);
    params.append({ QStringLiteral("CreditID"), creditID });
    // One row after the other: their keys keep the due-date order the schedule is read back in.
    Run({ QStringLiteral("INSERT INTO PaymentSchedule (CreditID, PaymentDate, Balance, MustBePaymentSum, PayingOff, "
                         "CreditPercents, Annua)"),
          QStringLiteral("VALUES (:CreditID, :PaymentDate, :Balance, :MustBePaymentSum, :PayingOff, "
                         ":CreditPercents, :Annua)") },
        params);
}

void TServerDataAccessFacade::UpdateScheduleRow(const TPaymentScheduleItem& item)
{
    TQueryParams params = ScheduleFields(item);
    params.append({ QStringLiteral("ScheduleID"), item.GetID() });
    const TPgResult updated =
        Run({ QStringLiteral("UPDATE PaymentSchedule"),
              QStringLiteral("SET PaymentDate = :PaymentDate, Balance = :Balance, MustBePaymentSum = :MustBePaymentSum, "
                             "PayingOff = :PayingOff, CreditPercents = :CreditPercents, Annua = :Annua"),
              QStringLiteral("WHERE ScheduleID = :ScheduleID") },
            params);
    if (updated.ChangedRows() == 0)
        throw Exception(QStringLiteral("Записи %1 в графике выплат не существует.").arg(item.GetID()));
}

void TServerDataAccessFacade::InsertPaymentSchedule(int creditID, TPaymentSchedule& schedule)
{
    TPgTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    // Every row whatever its flags, in order.
    for (const auto& item : schedule)
        InsertScheduleRow(creditID, *item);
    transaction.Commit();
}

void TServerDataAccessFacade::SaveScheduleChanges(int creditID, TPaymentSchedule& schedule)
{
    CheckCreditExists(creditID);
    TPgTransactionScope transaction(Connection());
    // All deletions, then all insertions, then all updates, so that the new rows
    // get keys above those of the rows kept. A row flagged Deleted is never
    // written: a new row replaced again before saving must not be stored.
    for (const auto& item : schedule)
        if (item->Deleted)
            Run({ QStringLiteral("DELETE FROM PaymentSchedule WHERE ScheduleID = :ScheduleID") },
                { { QStringLiteral("ScheduleID"), item->GetID() } });
    for (const auto& item : schedule)
        if (item->GetID() == -1 && !item->Deleted)
            InsertScheduleRow(creditID, *item);
    for (const auto& item : schedule)
        if (item->Modified && !item->Deleted)
            UpdateScheduleRow(*item);
    transaction.Commit();
}

void TServerDataAccessFacade::DeleteCreditSchedule(int creditID)
{
    Run({ QStringLiteral("DELETE FROM PaymentSchedule WHERE CreditID = :CreditID") },
        { { QStringLiteral("CreditID"), creditID } });
}
