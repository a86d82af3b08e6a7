// Writes into a loan book for as long as it lives; the fault test kills it
// with SIGKILL in the middle and then looks at what is left of the file.
//   LongWriteChild FILE transaction  - one endless transaction of schedule rows
//   LongWriteChild FILE payments     - an endless run of payments, each stored on its own

#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "sqlite/TransactionScope.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"

#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    TDataAccessFacade facade;
    facade.Connection().SetFileName(QString::fromLocal8Bit(argv[1]));
    // A small page cache makes SQLite write into the file itself long before the commit.
    facade.Connection().Execute(QStringLiteral("PRAGMA cache_size = 20"));
    const bool oneTransaction = QString::fromLatin1(argv[2]) == QLatin1String("transaction");

    std::unique_ptr<TTransactionScope> transaction;
    if (oneTransaction)
        transaction = std::make_unique<TTransactionScope>(facade.Connection());
    for (int round = 0;; ++round) {
        if (oneTransaction) {
            TPaymentSchedule schedule;
            for (int i = 0; i < 500; ++i) {
                auto row = std::make_unique<TPaymentScheduleItem>();
                row->PaymentDate = DateTime::FromYMD(2010, 1, 1).AddDays(i);
                row->MustBePaymentSum = Money::FromUnits(round * 1000 + i);
                row->Annua = Money::FromUnits(12345678);
                schedule.Add(std::move(row));
            }
            facade.InsertPaymentSchedule(1, schedule);
        } else {
            TPaymentHistoryItem payment;
            payment.PaymentDate = DateTime::FromYMD(2010, 1, 1, 12);
            payment.PaymentSum = Money::FromUnits(1 + round % 997);
            facade.InsertPayment(1, payment);
        }
        if (round == 20) {
            std::puts("writing");
            std::fflush(stdout);
        }
    }
}
