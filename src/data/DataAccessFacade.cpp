#include "DataAccessFacade.h"

#include "DataExceptions.h"
#include "sqlite/NamePrefixFunction.h"
#include "sqlite/SQLiteExceptions.h"
#include "sqlite/ValueForms.h"
#include "sqlite/RussianCollation.h"
#include "sqlite/SQLStatement.h"
#include "sqlite/SQLiteConnection.h"
#include "sqlite/TransactionScope.h"

#include <memory>

TDataAccessFacade::TDataAccessFacade()
    : m_connection(std::make_unique<TSQLiteConnection>())
{
    // The debtors list's name filter compares in SQL with this function, and
    // names are ordered by this collation.
    RegisterNamePrefixFunction();
    RegisterRussianCollation();
}

TDataAccessFacade::~TDataAccessFacade() = default;

QString TDataAccessFacade::BookName() const
{
    return m_connection->FileName();
}

bool TDataAccessFacade::WrittenElsewhere()
{
    TSQLiteConnection& connection = Connection();
    const qint64 version = connection.DataVersion();
    const bool written = connection.Generation() == m_watchedGeneration && version != m_watchedDataVersion;
    m_watchedGeneration = connection.Generation();
    m_watchedDataVersion = version;
    return written;
}

namespace {

class TFileTransaction : public IBookTransaction
{
public:
    TFileTransaction(TSQLiteConnection& connection, TTransactionScope::TKind kind)
        : m_scope(connection, kind)
    {
    }
    void Commit() override { m_scope.Commit(); }

private:
    TTransactionScope m_scope;
};

}

std::unique_ptr<IBookTransaction> TDataAccessFacade::BeginWrite()
{
    return std::make_unique<TFileTransaction>(Connection(), TTransactionScope::TKind::Immediate);
}

std::unique_ptr<IBookTransaction> TDataAccessFacade::BeginRead()
{
    return std::make_unique<TFileTransaction>(Connection(), TTransactionScope::TKind::Deferred);
}

bool TDataAccessFacade::VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found)
{
    found.reset();
    try {
        TSQLStatement statement(Connection(), { QStringLiteral("SELECT DBType, MajorVersion, MinorVersion, "
                                                               "ReleaseVersion, BuildVersion FROM QDBVersion") });
        if (!statement.Step())
            return false;
        found = TDBVersion { DBVersionField(statement.Integer(0)), DBVersionField(statement.Integer(1)),
                             DBVersionField(statement.Integer(2)), DBVersionField(statement.Integer(3)),
                             DBVersionField(statement.Integer(4)) };
    } catch (const EDatabaseBusyException&) {
        throw; // a loan book in use is still a loan book: say that it is busy
    } catch (const EDatabaseException&) {
        // No such table or column, not a database at all: simply not our file.
        return false;
    }
    return CompareDBVersions(required, *found);
}

void TDataAccessFacade::SetParamValue(TSQLStatement& statement, const QString& name, const QVariant& value)
{
    statement.BindValue(name, value);
}

QString TDataAccessFacade::DateTimeToSQLText(const DateTime& value, bool dayOnly)
{
    return ValueForms::DateTimeToText(value, dayOnly);
}

QString TDataAccessFacade::JoinNames(const QStringList& names, const QString& prefix)
{
    QStringList prefixed;
    prefixed.reserve(names.size());
    for (const QString& name : names)
        prefixed << prefix + name;
    return prefixed.join(QStringLiteral(", "));
}

bool TDataAccessFacade::RowExists(const QStringList& lines, const QString& name, int id)
{
    TSQLStatement statement(Connection(), lines);
    statement.BindInteger(name, id);
    return statement.Step();
}

void TDataAccessFacade::DeleteWithID(const QString& table, const QString& keyColumn, const QStringList& lines,
                                     const QString& name, int id)
{
    TTransactionScope transaction(Connection());
    RememberKeys(table, keyColumn);
    TSQLStatement statement(Connection(), lines);
    statement.BindInteger(name, id);
    statement.Execute();
    transaction.Commit();
}

bool TDataAccessFacade::DebtorExists(int debtorID)
{
    return RowExists({ QStringLiteral("SELECT DebtorID FROM Debtors"), QStringLiteral("WHERE DebtorID = :DebtorID") },
                     QStringLiteral("DebtorID"), debtorID);
}

bool TDataAccessFacade::CreditExists(int creditID)
{
    return RowExists({ QStringLiteral("SELECT CreditID FROM Credits"), QStringLiteral("WHERE CreditID = :CreditID") },
                     QStringLiteral("CreditID"), creditID);
}

bool TDataAccessFacade::PaymentExists(int paymentID)
{
    return RowExists({ QStringLiteral("SELECT PaymentID FROM PaymentHistory"), QStringLiteral("WHERE PaymentID = :PaymentID") },
                     QStringLiteral("PaymentID"), paymentID);
}

bool TDataAccessFacade::ScheduleItemExists(int scheduleID)
{
    return RowExists(
        { QStringLiteral("SELECT ScheduleID FROM PaymentSchedule"), QStringLiteral("WHERE ScheduleID = :ScheduleID") },
        QStringLiteral("ScheduleID"), scheduleID);
}

bool TDataAccessFacade::CompanyExists()
{
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT * FROM CompanyInfo") });
    return statement.Step();
}

void TDataAccessFacade::CheckDebtorExists(int debtorID)
{
    if (!DebtorExists(debtorID))
        throw EDebtorNotExistsException(debtorID);
}

void TDataAccessFacade::CheckCreditExists(int creditID)
{
    if (!CreditExists(creditID))
        throw ECreditNotExistsException(creditID);
}

void TDataAccessFacade::CheckPaymentExists(int paymentID)
{
    if (!PaymentExists(paymentID))
        throw EPaymentNotExistsException(paymentID);
}

int TDataAccessFacade::GetLastInsertID()
{
    TSQLStatement statement(Connection(), { QStringLiteral("SELECT Last_Insert_Rowid() AS Idn") });
    statement.Step();
    return int(statement.Integer(QStringLiteral("Idn")));
}

QString TDataAccessFacade::BuildInsertSQL(const QString& table, const QStringList& names)
{
    return QStringLiteral("INSERT INTO %1 (%2)\r\nVALUES (%3)")
        .arg(table, JoinNames(names), JoinNames(names, QStringLiteral(":")));
}

QString TDataAccessFacade::BuildSelectSQL(const QString& table, const QStringList& expressions)
{
    return QStringLiteral("SELECT %1 FROM %2").arg(JoinNames(expressions), table);
}

QString TDataAccessFacade::DayPrefix(const DateTime& day)
{
    return DateTimeToSQLText(day, true).left(10);
}

QString TDataAccessFacade::DayPrefixAfter(const DateTime& day, int days)
{
    // No date lies beyond the calendar's last day: a bound above every stored date then.
    if (day.DaysTo(DateTime(DateTime::LastDate())) < days)
        return QStringLiteral("9999-99-99");
    return DayPrefix(day.AddDays(days));
}
