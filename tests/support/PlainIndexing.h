#pragma once

// The overdue indexing as it was first written, the yardstick of the tests and
// of the benchmark: three UPDATE statements over every schedule row, each
// looking up its credit's PaymentsSum row by row and comparing the stored
// dates with full day keys, in one immediate transaction; then the time of
// the run recorded in DataBaseState (its one row updated, or inserted when
// there is none).

#include "data/DataAccessFacade.h"
#include "domain/DateTime.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <SQLiteCpp/SQLiteCpp.h>

namespace PlainIndexing {

inline QByteArray Quoted(const QString& text)
{
    return "'" + text.toLatin1() + "'";
}

// The statements for an indexing at that moment, with its values written in.
inline QList<QByteArray> Statements(const DateTime& now)
{
    const QByteArray today = Quoted(TDataAccessFacade::DateTimeToSQLText(now, true));
    const QByteArray dueEnd = Quoted(TDataAccessFacade::DateTimeToSQLText(now.AddDays(3), true));
    const QByteArray moment = Quoted(TDataAccessFacade::DateTimeToSQLText(now, false));
    const QByteArray shortfall = "(MustBePaymentSum - IfNull((SELECT Credits.PaymentsSum FROM Credits WHERE "
                                 "Credits.CreditID = PaymentSchedule.CreditID), 0)";
    return {
        "begin immediate transaction",
        "UPDATE PaymentSchedule\nSET WasDelay = 1\nWHERE\n(PaymentDate < " + today + ")\nAND " + shortfall
            + " >= 0.01)",
        "UPDATE PaymentSchedule\nSET ActiveDelay = 1\nWHERE\n(PaymentDate <= " + dueEnd + ")\nAND " + shortfall
            + " >= 0.01)",
        "UPDATE PaymentSchedule\nSET ActiveDelay = 0\nWHERE\n    (ActiveDelay <> 0)\nAND (" + shortfall
            + " < 0.01) OR (PaymentDate > " + dueEnd + "))",
        "commit transaction",
        "SELECT * FROM DataBaseState",
        "begin immediate transaction",
        "UPDATE DataBaseState\nSET LastSchedulesDelayUpdate = " + moment,
        "INSERT INTO DataBaseState(LastSchedulesDelayUpdate)\nSELECT " + moment
            + " WHERE NOT EXISTS (SELECT * FROM DataBaseState)",
        "commit transaction",
    };
}

// Runs them on the file through a connection of its own.
inline void Run(const QString& path, const DateTime& now)
{
    SQLite::Database database(path.toStdString(), SQLite::OPEN_READWRITE);
    for (const QByteArray& sql : Statements(now)) {
        SQLite::Statement statement(database, sql.constData());
        while (statement.executeStep()) {
        }
    }
}

}
