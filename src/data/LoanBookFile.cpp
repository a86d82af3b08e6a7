#include "LoanBookFile.h"

#include "sqlite/SQLiteConnection.h"
#include "sqlite/TransactionScope.h"
#include "domain/Exception.h"

#include <QFile>
#include <QFileInfo>

QString LoanBookSchemaSQL()
{
    // The schema lives in this static library's resources.
    Q_INIT_RESOURCE(data);
    QFile file(QStringLiteral(":/data/LoanBookSchema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Не найдено описание структуры базы данных."));
    return QString::fromUtf8(file.readAll());
}

void CreateLoanBookFile(const QString& fileName)
{
    const QString name = fileName.trimmed();
    const QString schema = LoanBookSchemaSQL();
    // Made empty first and exclusively: never overwrite somebody's loan book.
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(name))
            throw Exception(QStringLiteral("Файл «%1» уже существует.").arg(name));
        throw Exception(QStringLiteral("Не удалось создать файл «%1»: %2").arg(name, file.errorString()));
    }
    file.close();
    try {
        TSQLiteConnection connection;
        connection.SetFileName(name);
        TTransactionScope transaction(connection);
        connection.Execute(schema);
        transaction.Commit();
    } catch (...) {
        QFile::remove(name);
        throw;
    }
}
