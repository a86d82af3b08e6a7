#include "DataAccessFacade.h"

#include "SQLStatement.h"
#include "TransactionScope.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"

void TDataAccessFacade::ReadScheduleItem(const TSQLStatement& statement, TPaymentScheduleItem* item)
{
    item->SetID(int(statement.Integer(QStringLiteral("ScheduleID"))));
    item->PaymentDate = statement.DateTimeValue(QStringLiteral("PaymentDate"));
    item->Balance = statement.MoneyValue(QStringLiteral("Balance"));
    item->MustBePaymentSum = statement.MoneyValue(QStringLiteral("MustBePaymentSum"));
    item->PayingOff = statement.MoneyValue(QStringLiteral("PayingOff"));
    item->CreditPercents = statement.MoneyValue(QStringLiteral("CreditPercents"));
    item->Annua = statement.MoneyValue(QStringLiteral("Annua"));
    item->WasDelay = statement.Flag(QStringLiteral("WasDelay"));
    item->ActiveDelay = statement.Flag(QStringLiteral("ActiveDelay"));
    item->Modified = false;
    item->Deleted = false;
}

bool TDataAccessFacade::LoadPaymentSchedule(int creditID, TPaymentSchedule* schedule)
{
    if (!schedule)
        return false;
    CheckCreditExists(creditID);
    // No ORDER BY: rows come in ScheduleID order, which is due-date order because
    // a schedule is inserted first row first and later rows only replace its tail.
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM PaymentSchedule"),
                                            QStringLiteral("WHERE CreditID = :CreditID") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    TPaymentSchedule loaded;
    while (statement.Step())
        ReadScheduleItem(statement, loaded.Add(std::make_unique<TPaymentScheduleItem>()));
    *schedule = std::move(loaded);
    return true;
}

bool TDataAccessFacade::LoadScheduleFromDate(int creditID, TPaymentScheduleItem* item, const DateTime& date)
{
    if (!item)
        return false;
    CheckCreditExists(creditID);
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM PaymentSchedule"),
                                            QStringLiteral("WHERE (CreditID = :CreditID) AND (PaymentDate >= :PaymentDate)"),
                                            QStringLiteral("ORDER BY PaymentDate") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    // The day key: a row due that very day qualifies whatever the time of the argument.
    statement.BindDateTime(QStringLiteral("PaymentDate"), date, true);
    if (statement.Step())
        ReadScheduleItem(statement, item);
    return true;
}

void TDataAccessFacade::InsertScheduleItem(int creditID, TPaymentScheduleItem* item)
{
    if (!item)
        return;
    TTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("INSERT INTO PaymentSchedule (CreditID, PaymentDate, Balance, MustBePaymentSum, PayingOff, "
                         "CreditPercents, Annua) "),
          QStringLiteral("VALUES (:CreditID, :PaymentDate, :Balance, :MustBePaymentSum, :PayingOff, :CreditPercents, "
                         ":Annua)") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    statement.BindDateTime(QStringLiteral("PaymentDate"), item->PaymentDate);
    statement.BindMoney(QStringLiteral("Balance"), item->Balance);
    statement.BindMoney(QStringLiteral("MustBePaymentSum"), item->MustBePaymentSum);
    statement.BindMoney(QStringLiteral("PayingOff"), item->PayingOff);
    statement.BindMoney(QStringLiteral("CreditPercents"), item->CreditPercents);
    statement.BindMoney(QStringLiteral("Annua"), item->Annua);
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::InsertPaymentSchedule(int creditID, TPaymentSchedule* schedule)
{
    if (!schedule)
        return;
    TTransactionScope transaction(Connection());
    CheckCreditExists(creditID);
    for (const auto& item : *schedule)
        InsertScheduleItem(creditID, item.get());
    transaction.Commit();
}

void TDataAccessFacade::UpdateScheduleItem(TPaymentScheduleItem* item)
{
    if (!item)
        return;
    TTransactionScope transaction(Connection());
    if (!ScheduleItemExists(item->GetID()))
        throw Exception(QStringLiteral("Записи %1 в графике выплат не существует.").arg(item->GetID()));
    TSQLStatement statement(
        Connection(),
        { QStringLiteral("UPDATE PaymentSchedule"),
          QStringLiteral("SET PaymentDate = :PaymentDate, Balance = :Balance, MustBePaymentSum = :MustBePaymentSum, "
                         "PayingOff = :PayingOff, CreditPercents = :CreditPercents, Annua = :Annua"),
          QStringLiteral("WHERE ScheduleID = :ScheduleID") });
    statement.BindDateTime(QStringLiteral("PaymentDate"), item->PaymentDate);
    statement.BindMoney(QStringLiteral("Balance"), item->Balance);
    statement.BindMoney(QStringLiteral("MustBePaymentSum"), item->MustBePaymentSum);
    statement.BindMoney(QStringLiteral("PayingOff"), item->PayingOff);
    statement.BindMoney(QStringLiteral("CreditPercents"), item->CreditPercents);
    statement.BindMoney(QStringLiteral("Annua"), item->Annua);
    statement.BindInteger(QStringLiteral("ScheduleID"), item->GetID());
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::DeleteScheduleItem(int scheduleID)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(Connection(), { QStringLiteral("DELETE FROM PaymentSchedule"),
                                            QStringLiteral("WHERE ScheduleID = :ScheduleID") });
    statement.BindInteger(QStringLiteral("ScheduleID"), scheduleID);
    statement.Execute();
    transaction.Commit();
}

void TDataAccessFacade::SaveScheduleChanges(int creditID, TPaymentSchedule* schedule)
{
    if (!schedule)
        return;
    CheckCreditExists(creditID);
    TTransactionScope transaction(Connection(), TTransactionScope::TKind::Deferred);
    // All deletions, then all insertions, then all updates, so that the new rows
    // get ScheduleIDs above those of the rows kept. A row flagged Deleted is
    // never written: a new row replaced again before saving must not be stored.
    for (const auto& item : *schedule)
        if (item->Deleted)
            DeleteScheduleItem(item->GetID());
    for (const auto& item : *schedule)
        if (item->GetID() == -1 && !item->Deleted)
            InsertScheduleItem(creditID, item.get());
    for (const auto& item : *schedule)
        if (item->Modified && !item->Deleted)
            UpdateScheduleItem(item.get());
    transaction.Commit();
}

void TDataAccessFacade::DeleteCreditSchedule(int creditID)
{
    TTransactionScope transaction(Connection());
    TSQLStatement statement(Connection(), { QStringLiteral("DELETE FROM PaymentSchedule"),
                                            QStringLiteral("WHERE CreditID = :CreditID") });
    statement.BindInteger(QStringLiteral("CreditID"), creditID);
    statement.Execute();
    transaction.Commit();
}
