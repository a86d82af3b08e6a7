#include "DataAccessFacade.h"

#include "sqlite/SQLStatement.h"
#include "sqlite/TransactionScope.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"

namespace {

// Where the columns of a schedule row are, found once per statement rather than once per row.
struct TScheduleColumns
{
    explicit TScheduleColumns(const TSQLStatement& statement)
        : ScheduleID(statement.ColumnIndex(QStringLiteral("ScheduleID")))
        , PaymentDate(statement.ColumnIndex(QStringLiteral("PaymentDate")))
        , Balance(statement.ColumnIndex(QStringLiteral("Balance")))
        , MustBePaymentSum(statement.ColumnIndex(QStringLiteral("MustBePaymentSum")))
        , PayingOff(statement.ColumnIndex(QStringLiteral("PayingOff")))
        , CreditPercents(statement.ColumnIndex(QStringLiteral("CreditPercents")))
        , Annua(statement.ColumnIndex(QStringLiteral("Annua")))
        , WasDelay(statement.ColumnIndex(QStringLiteral("WasDelay")))
        , ActiveDelay(statement.ColumnIndex(QStringLiteral("ActiveDelay")))
    {
    }

    int ScheduleID, PaymentDate, Balance, MustBePaymentSum, PayingOff, CreditPercents, Annua, WasDelay, ActiveDelay;
};

void ReadScheduleItem(const TSQLStatement& statement, const TScheduleColumns& columns, TPaymentScheduleItem* item)
{
    item->SetID(int(statement.Integer(columns.ScheduleID)));
    item->PaymentDate = statement.DateTimeValue(columns.PaymentDate);
    item->Balance = statement.MoneyValue(columns.Balance);
    item->MustBePaymentSum = statement.MoneyValue(columns.MustBePaymentSum);
    item->PayingOff = statement.MoneyValue(columns.PayingOff);
    item->CreditPercents = statement.MoneyValue(columns.CreditPercents);
    item->Annua = statement.MoneyValue(columns.Annua);
    item->WasDelay = statement.Flag(columns.WasDelay);
    item->ActiveDelay = statement.Flag(columns.ActiveDelay);
    item->Modified = false;
    item->Deleted = false;
}

}

void TDataAccessFacade::BindScheduleItem(TSQLStatement& statement, const TPaymentScheduleItem& item)
{
    statement.BindDateTime(QStringLiteral("PaymentDate"), item.PaymentDate);
    statement.BindMoney(QStringLiteral("Balance"), item.Balance);
    statement.BindMoney(QStringLiteral("MustBePaymentSum"), item.MustBePaymentSum);
    statement.BindMoney(QStringLiteral("PayingOff"), item.PayingOff);
    statement.BindMoney(QStringLiteral("CreditPercents"), item.CreditPercents);
    statement.BindMoney(QStringLiteral("Annua"), item.Annua);
}

bool TDataAccessFacade::LoadPaymentSchedule(int creditID, TPaymentSchedule& schedule)
{
    CheckCreditExists(creditID);
    // No ORDER BY: rows come in ScheduleID order, which is due-date order because
    // a schedule is inserted first row first and later rows only replace its tail.
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("SELECT * FROM PaymentSchedule"), QStringLiteral("WHERE CreditID = :CreditID") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    const TScheduleColumns columns(statement);
    TPaymentSchedule loaded;
    while (statement.Step())
        ReadScheduleItem(statement, columns, loaded.Add(std::make_unique<TPaymentScheduleItem>()));
    schedule = std::move(loaded);
    return true;
}

void TDataAccessFacade::LoadScheduleShape(int creditID, int& rows, int& lastRowID)
{
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT Count(*) AS Rows, IfNull(Max(ScheduleID), -1) AS LastID"),
                              QStringLiteral("FROM PaymentSchedule WHERE CreditID = :CreditID") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    statement.Step();
    rows = int(statement.Integer(QStringLiteral("Rows")));
    lastRowID = int(statement.Integer(QStringLiteral("LastID")));
}

bool TDataAccessFacade::LoadScheduleFromDate(int creditID, TPaymentScheduleItem& item, const DateTime& date)
{
    CheckCreditExists(creditID);
    TSQLStatement statement(Connection(),
                            { QStringLiteral("SELECT * FROM PaymentSchedule"),
                              QStringLiteral("WHERE (CreditID = :CreditID) AND (PaymentDate >= :PaymentDate)"),
                              QStringLiteral("ORDER BY PaymentDate") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    // The day's prefix: a row due that very day qualifies whatever the time of the
    // argument and whichever form its date is stored in.
    statement.BindText(QStringLiteral("PaymentDate"), DayPrefix(date));
    if (statement.Step())
        ReadScheduleItem(statement, TScheduleColumns(statement), &item);
    return true;
}

void TDataAccessFacade::InsertScheduleRows(int creditID, const QList<const TPaymentScheduleItem*>& items)
{
    if (items.isEmpty())
        return;
    TSQLStatement statement(Connection(),
                            { QStringLiteral("INSERT INTO PaymentSchedule (ScheduleID, CreditID, PaymentDate, "
                                             "Balance, MustBePaymentSum, PayingOff, CreditPercents, Annua) "),
                              QStringLiteral("VALUES (:ScheduleID, :CreditID, :PaymentDate, :Balance, "
                                             ":MustBePaymentSum, :PayingOff, :CreditPercents, :Annua)") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    // In order: the rows' keys keep the due-date order the schedule is read back in.
    qint64 key = AllocateKeys(QStringLiteral("PaymentSchedule"), QStringLiteral("ScheduleID"), int(items.size()));
    for (const TPaymentScheduleItem* item : items) {
        statement.BindInteger(QStringLiteral("ScheduleID"), key++);
        BindScheduleItem(statement, *item);
        statement.Execute();
        statement.Reset();
    }
}

void TDataAccessFacade::InsertScheduleItem(int creditID, TPaymentScheduleItem& item)
{
    TTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    InsertScheduleRows(creditID, { &item });
    transaction.Commit();
}

void TDataAccessFacade::InsertPaymentSchedule(int creditID, TPaymentSchedule& schedule)
{
    TTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    // Every row whatever its flags, in order; the credit was checked once for all of them.
    QList<const TPaymentScheduleItem*> items;
    for (const auto& item : schedule)
        items << item.get();
    InsertScheduleRows(creditID, items);
    transaction.Commit();
}

void TDataAccessFacade::UpdateScheduleItem(TPaymentScheduleItem& item)
{
    TTransactionScope transaction(Connection());
    if (!ScheduleItemExists(item.GetID()))
        throw Exception(QStringLiteral("Записи %1 в графике выплат не существует.").arg(item.GetID()));
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("UPDATE PaymentSchedule"),
          QStringLiteral("SET PaymentDate = :PaymentDate, Balance = :Balance, MustBePaymentSum = :MustBePaymentSum, "
                         "PayingOff = :PayingOff, CreditPercents = :CreditPercents, Annua = :Annua"),
          QStringLiteral("WHERE ScheduleID = :ScheduleID") });
    BindScheduleItem(statement, item);
    statement.BindInteger(QStringLiteral("ScheduleID"), item.GetID());
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::DeleteScheduleItem(int scheduleID)
{
    DeleteWithID(QStringLiteral("PaymentSchedule"), QStringLiteral("ScheduleID"),
                 { QStringLiteral("DELETE FROM PaymentSchedule"), QStringLiteral("WHERE ScheduleID = :ScheduleID") },
                 QStringLiteral("ScheduleID"), scheduleID);
}

void TDataAccessFacade::SaveScheduleChanges(int creditID, TPaymentSchedule& schedule)
{
    CheckCreditExists(creditID);
    TTransactionScope transaction(Connection(), TTransactionScope::TKind::Deferred);
    // All deletions, then all insertions, then all updates, so that the new rows
    // get ScheduleIDs above those of the rows kept. A row flagged Deleted is
    // never written: a new row replaced again before saving must not be stored.
    for (const auto& item : schedule)
        if (item->Deleted)
            DeleteScheduleItem(item->GetID());
    for (const auto& item : schedule)
        if (item->GetID() == -1 && !item->Deleted)
            InsertScheduleItem(creditID, *item);
    for (const auto& item : schedule)
        if (item->Modified && !item->Deleted)
            UpdateScheduleItem(*item);
    transaction.Commit();
}

void TDataAccessFacade::DeleteCreditSchedule(int creditID)
{
    DeleteWithID(QStringLiteral("PaymentSchedule"), QStringLiteral("ScheduleID"),
                 { QStringLiteral("DELETE FROM PaymentSchedule"), QStringLiteral("WHERE CreditID = :CreditID") },
                 QStringLiteral("CreditID"), creditID);
}
