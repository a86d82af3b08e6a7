#include "LoanBookTables.h"

#include "sqlite/SQLStatement.h"

#include <QSet>

namespace {

struct TLoanBookTable
{
    const char* Name;
    const char* Columns;
};

const TLoanBookTable LoanBookTables[] = {
    { "Debtors",
      "DebtorID Name Surname PatronymicName Telephone PostCode Region District City Street Building Flat "
      "PassportSeries PassportNumber PassportInfo DelayCount ActiveDelayCount" },
    { "Credits",
      "CreditID DebtorID ContractNumber ContractDate PaymentDay CreditPeriod YearPercent CreditSize "
      "FullMustBePaymentSum PaymentsSum DelayCount ActiveDelayCount" },
    { "PaymentSchedule",
      "ScheduleID CreditID PaymentDate Balance MustBePaymentSum PayingOff CreditPercents Annua WasDelay ActiveDelay" },
    { "PaymentHistory", "PaymentID CreditID PaymentDate PaymentSum AheadSum OrderNumber" },
    { "CompanyInfo", "CompanyName BossName" },
    { "DataBaseState", "LastSchedulesDelayUpdate" },
};

// SQLite compares names regardless of letter case; so does this.
QSet<QString> ColumnsOf(TSQLiteConnection& connection, const QString& table)
{
    TSQLStatement statement(connection, {QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)});
    QSet<QString> columns;
    const int nameColumn = statement.ColumnIndex(QStringLiteral("name"));
    while (statement.Step())
        columns.insert(statement.Text(nameColumn).toLower());
    return columns;
}

}

QString DescribeMissingLoanBookColumns(TSQLiteConnection& connection)
{
    for (const TLoanBookTable& table : LoanBookTables) {
        const QString tableName = QString::fromLatin1(table.Name);
        const QSet<QString> present = ColumnsOf(connection, tableName);
        if (present.isEmpty())
            return QStringLiteral("В базе данных нет таблицы «%1».").arg(tableName);
        for (const QString& column : QString::fromLatin1(table.Columns).split(QLatin1Char(' '))) {
            if (!present.contains(column.toLower()))
                return QStringLiteral("В таблице «%1» базы данных нет столбца «%2».").arg(tableName, column);
        }
    }
    return QString();
}
