#include "CreditsSnapshot.h"

#include "postgres/PgTransactionScope.h"

#include <QStringList>

TCreditsSnapshot::TCreditsSnapshot(const QString& address, const std::vector<int>& creditIDs)
    : m_connection(address)
{
    QStringList ids;
    for (const int id : creditIDs)
        ids << QString::number(id);
    const TPgParams credits { QStringLiteral("{%1}").arg(ids.join(QLatin1Char(','))) };
    m_connection.Execute(QStringLiteral("CREATE TEMPORARY TABLE SavedCredits AS "
                                        "SELECT * FROM Credits WHERE CreditID = ANY($1::integer[])"), credits);
    m_connection.Execute(QStringLiteral("CREATE TEMPORARY TABLE SavedSchedule AS "
                                        "SELECT * FROM PaymentSchedule WHERE CreditID = ANY($1::integer[])"), credits);
    m_connection.Execute(QStringLiteral("CREATE TEMPORARY TABLE SavedPayments AS "
                                        "SELECT * FROM PaymentHistory WHERE CreditID = ANY($1::integer[])"), credits);
}

void TCreditsSnapshot::Restore()
{
    TPgTransactionScope transaction(m_connection);
    // The book's own deletes take the schedules and payments along.
    m_connection.Execute(QStringLiteral("DELETE FROM Credits WHERE CreditID IN (SELECT CreditID FROM SavedCredits)"));
    m_connection.Execute(QStringLiteral("INSERT INTO Credits SELECT * FROM SavedCredits"));
    m_connection.Execute(QStringLiteral("INSERT INTO PaymentSchedule SELECT * FROM SavedSchedule"));
    m_connection.Execute(QStringLiteral("INSERT INTO PaymentHistory SELECT * FROM SavedPayments"));
    // The triggers counted the rows going in on top of the saved totals: the saved ones hold.
    m_connection.Execute(QStringLiteral(
        "UPDATE Credits c SET PaymentsSum = s.PaymentsSum, DelayCount = s.DelayCount, "
        "ActiveDelayCount = s.ActiveDelayCount FROM SavedCredits s WHERE c.CreditID = s.CreditID"));
    m_connection.Execute(QStringLiteral("UPDATE PaymentHistory p SET OrderNumber = s.OrderNumber "
                                        "FROM SavedPayments s WHERE p.PaymentID = s.PaymentID"));
    transaction.Commit();
}
