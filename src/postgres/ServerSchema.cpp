#include "ServerSchema.h"

#include "PgConnection.h"
#include "PgExceptions.h"
#include "PgTransactionScope.h"

#include <QFile>

QString ServerSchemaSQL()
{
    // The schema lives in this static library's resources.
    Q_INIT_RESOURCE(postgres);
    QFile file(QStringLiteral(":/postgres/ServerSchema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Не найдено описание структуры базы данных на сервере."));
    return QString::fromUtf8(file.readAll());
}

bool HasServerBookTables(TPgConnection& connection)
{
    const TPgResult tables = connection.Execute(
        QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema = current_schema() "
                       "AND table_name IN ('debtors', 'credits', 'paymentschedule', 'paymenthistory', "
                       "'companyinfo', 'databasestate', 'qdbversion')"));
    return tables.Integer(0, 0) > 0;
}

void CreateServerBook(TPgConnection& connection)
{
    TPgTransactionScope transaction(connection);
    if (HasServerBookTables(connection))
        throw EServerException(QStringLiteral("В базе данных на сервере уже есть таблицы книги; она оставлена как есть."));
    connection.ExecuteScript(ServerSchemaSQL());
    transaction.Commit();
}
