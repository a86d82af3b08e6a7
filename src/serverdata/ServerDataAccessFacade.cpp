#include "ServerDataAccessFacade.h"

#include "NamedParams.h"
#include "ServerRowEngine.h"

#include "data/DataExceptions.h"
#include "domain/ServerAddress.h"
#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "postgres/PgTransactionScope.h"
#include "sqlite/ResultSet.h"
#include "sqlite/ValueForms.h"

namespace {

class TServerBookTransaction : public IBookTransaction
{
public:
    explicit TServerBookTransaction(TPgConnection& connection) : m_scope(connection) {}
    void Commit() override { m_scope.Commit(); }

private:
    TPgTransactionScope m_scope;
};

}

TServerDataAccessFacade::TServerDataAccessFacade(const QString& address, const std::optional<QString>& password)
    : m_address(address)
    , m_connection(std::make_unique<TPgConnection>(address, password))
{
    m_connection->KeepForSession(QStringLiteral("LISTEN ") + ChangesChannel());
}

TServerDataAccessFacade::~TServerDataAccessFacade() = default;

int TServerDataAccessFacade::NotificationSocket() const
{
    return m_connection->Socket();
}

TPgResult TServerDataAccessFacade::Run(const QStringList& lines, const TQueryParams& params)
{
    const TServerStatement statement = ToServerStatement(lines.join(QLatin1Char('\n')), params);
    return m_connection->Execute(statement.Sql, statement.Params);
}

std::unique_ptr<TResultSet> TServerDataAccessFacade::Query(const QStringList& lines, const TQueryParams& params)
{
    return std::make_unique<TResultSet>(std::make_unique<TServerRowEngine>(*m_connection), lines, params);
}

QVariant TServerDataAccessFacade::MoneyParam(Money value)
{
    return ValueForms::MoneyToText(value);
}

QVariant TServerDataAccessFacade::MomentParam(const DateTime& value)
{
    return ValueForms::DateTimeToText(value);
}

QVariant TServerDataAccessFacade::DayParam(const DateTime& day, int daysAfter)
{
    // No date lies beyond the calendar's last day: a bound above every stored one then.
    if (day.DaysTo(DateTime(DateTime::LastDate())) < daysAfter)
        return QStringLiteral("infinity");
    return ValueForms::DateTimeToText(day.AddDays(daysAfter), true);
}

bool TServerDataAccessFacade::VerifyDBVersion(const TDBVersion& required, std::optional<TDBVersion>& found)
{
    found.reset();
    try {
        // A savepoint or a transaction of its own: a missing table must not spoil the caller's.
        TPgTransactionScope reading(*m_connection);
        const TPgResult version = Run({ QStringLiteral("SELECT DBType, MajorVersion, MinorVersion, ReleaseVersion, "
                                                       "BuildVersion FROM QDBVersion") });
        reading.Commit();
        if (version.RowCount() == 0)
            return false;
        found = TDBVersion { DBVersionField(version.Integer(0, 0)), DBVersionField(version.Integer(0, 1)),
                             DBVersionField(version.Integer(0, 2)), DBVersionField(version.Integer(0, 3)),
                             DBVersionField(version.Integer(0, 4)) };
    } catch (const EServerConnectionException&) {
        throw; // an unreachable server says nothing about the book
    } catch (const EServerException&) {
        return false; // no such table or column: not a loan book
    }
    return CompareDBVersions(required, *found);
}

QString TServerDataAccessFacade::BookName() const
{
    const std::optional<TServerAddress> address = TServerAddress::FromUri(m_address);
    return address ? address->DisplayName() : m_address;
}

bool TServerDataAccessFacade::WrittenElsewhere()
{
    return m_connection->NotifiedByOthers();
}

std::unique_ptr<IBookTransaction> TServerDataAccessFacade::BeginWrite()
{
    // READ COMMITTED: what a decision rests on is locked (LockCredit, LockDebtor) and read again.
    return std::make_unique<TServerBookTransaction>(*m_connection);
}

std::unique_ptr<IBookTransaction> TServerDataAccessFacade::BeginRead()
{
    const bool outermost = m_connection->ScopeDepth() == 0;
    auto transaction = std::make_unique<TServerBookTransaction>(*m_connection);
    // One snapshot for everything read in it, as the file's read transaction gives.
    if (outermost)
        m_connection->Execute(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ"));
    return transaction;
}

void TServerDataAccessFacade::LockCredit(int creditID)
{
    // A credit that is gone locks nothing; the caller's next read finds it missing.
    Run({ QStringLiteral("SELECT CreditID FROM Credits WHERE CreditID = :CreditID FOR UPDATE") },
        { { QStringLiteral("CreditID"), creditID } });
}

void TServerDataAccessFacade::LockDebtor(int debtorID)
{
    Run({ QStringLiteral("SELECT DebtorID FROM Debtors WHERE DebtorID = :DebtorID FOR UPDATE") },
        { { QStringLiteral("DebtorID"), debtorID } });
}

bool TServerDataAccessFacade::RowExists(const QString& sql, int id)
{
    return Run({ sql }, { { QStringLiteral("ID"), id } }).RowCount() > 0;
}

bool TServerDataAccessFacade::DebtorExists(int debtorID)
{
    return RowExists(QStringLiteral("SELECT 1 FROM Debtors WHERE DebtorID = :ID"), debtorID);
}

bool TServerDataAccessFacade::CreditExists(int creditID)
{
    return RowExists(QStringLiteral("SELECT 1 FROM Credits WHERE CreditID = :ID"), creditID);
}

bool TServerDataAccessFacade::PaymentExists(int paymentID)
{
    return RowExists(QStringLiteral("SELECT 1 FROM PaymentHistory WHERE PaymentID = :ID"), paymentID);
}

bool TServerDataAccessFacade::CompanyExists()
{
    return Run({ QStringLiteral("SELECT 1 FROM CompanyInfo LIMIT 1") }).RowCount() > 0;
}

void TServerDataAccessFacade::CheckDebtorExists(int debtorID)
{
    if (!DebtorExists(debtorID))
        throw EDebtorNotExistsException(debtorID);
}

void TServerDataAccessFacade::CheckCreditExists(int creditID)
{
    if (!CreditExists(creditID))
        throw ECreditNotExistsException(creditID);
}

void TServerDataAccessFacade::CheckPaymentExists(int paymentID)
{
    if (!PaymentExists(paymentID))
        throw EPaymentNotExistsException(paymentID);
}
