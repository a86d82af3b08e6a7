// A whole loan-book file from bytes, read as the program reads it: the version
// check, the debtors list, each debtor with its credits, their schedules and
// last payments, the company and the indexing date. A damaged file may raise
// the system's own exceptions; anything else (a crash, undefined behaviour,
// a foreign exception) is a finding.
#include "data/DBVersion.h"
#include "data/DataAccessFacade.h"
#include "sqlite/ResultSet.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <unistd.h>

namespace {

// Enough to reach every kind of row; a mutated file may claim millions.
constexpr int MaxDebtors = 20;

QString WorkFile()
{
    static const QString name
        = QDir::temp().filePath(QStringLiteral("varnel-fuzz-%1.s3db").arg(QString::number(getpid())));
    return name;
}

void ReadEveryColumn(TResultSet& set)
{
    for (int row = 0; row < set.RowCount(); ++row)
        for (int column = 0; column < set.ColumnCount(); ++column)
            (void)set.Value(row, column);
}

void ReadDebtor(TDataAccessFacade& facade, int debtorID)
{
    TDebtor debtor;
    debtor.SetID(debtorID);
    facade.LoadDebtor(debtor);
    TCreditsList credits;
    facade.LoadDebtorCredits(debtorID, credits);
    for (int i = 0; i < credits.Count(); ++i) {
        const TCredit& credit = *credits.Items(i);
        (void)credit.RemainingDebt();
        TPaymentSchedule schedule;
        facade.LoadPaymentSchedule(credit.GetID(), schedule);
        (void)schedule.SumOfAnnua();
        TPaymentHistoryItem payment;
        facade.LoadLastPayment(credit.GetID(), payment);
        auto statement = facade.OpenCreditScheduleQuery(credit.GetID());
        ReadEveryColumn(*statement);
    }
}

void ReadBook(TDataAccessFacade& facade)
{
    std::optional<TDBVersion> found;
    if (!facade.VerifyDBVersion(RequiredDBVersion(), found))
        return;
    auto debtors = facade.OpenDebtorsListQuery();
    ReadEveryColumn(*debtors);
    const int idColumn = debtors->FindColumn(QStringLiteral("DebtorID"));
    for (int row = 0; idColumn >= 0 && row < debtors->RowCount() && row < MaxDebtors; ++row)
        ReadDebtor(facade, int(debtors->Integer(row, idColumn)));
    TCompany company;
    facade.LoadCompany(company);
    (void)facade.GetLastSchedulesDelayUpdate();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString fileName = WorkFile();
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TDataAccessFacade facade;
    facade.Connection().SetFileName(fileName);
    facade.Connection().SetBusyTimeout(0);
    try {
        facade.Connection().Open();
        ReadBook(facade);
    } catch (const Exception&) {
        // A damaged file is refused with a message: that is the sound outcome.
    }
    facade.Connection().Close();
    QFile::remove(fileName + QStringLiteral("-journal"));
    return 0;
}
