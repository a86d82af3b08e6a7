#include "CustomSQLiteDataAccessFacade.h"

#include "DataExceptions.h"
#include "sqlite/SQLiteExceptions.h"
#include "sqlite/SQLStatement.h"
#include "sqlite/SQLiteConnection.h"
#include "sqlite/ValueForms.h"


TCustomSQLiteDataAccessFacade::TCustomSQLiteDataAccessFacade()
    : m_connection(std::make_unique<TSQLiteConnection>())
{
}

TCustomSQLiteDataAccessFacade::~TCustomSQLiteDataAccessFacade() = default;

bool TCustomSQLiteDataAccessFacade::CheckVersionByFieldNames(const TDBVersionFieldNames& names,
                                                             const IDBVersionRef& required, IDBVersionRef& found)
{
    found.reset();
    if (!required)
        return false;
    const QStringList columns { names.DBTypeFieldName, names.MajorVersionFieldName, names.MinorVersionFieldName,
                                names.ReleaseVersionFieldName, names.BuildVersionFieldName };
    try {
        TSQLStatement statement(
            *m_connection,
            { QStringLiteral("SELECT ") + JoinNames(columns) + QStringLiteral(" FROM ") + names.TableName });
        if (!statement.Step())
            return false;
        found
            = TDBVersionObject::Create(int(statement.Integer(0)), int(statement.Integer(1)), int(statement.Integer(2)),
                                       int(statement.Integer(3)), int(statement.Integer(4)));
    } catch (const EDatabaseException&) {
        // No such table or column, not a database at all: simply not our file.
        return false;
    }
    return CompareDBVersions(required.get(), found.get());
}

void TCustomSQLiteDataAccessFacade::SetParamValue(TSQLStatement& statement, const QString& name, const QVariant& value)
{
    statement.BindValue(name, value);
}

QString TCustomSQLiteDataAccessFacade::DateTimeToSQLText(const DateTime& value, bool dayOnly)
{
    return ValueForms::DateTimeToText(value, dayOnly);
}

QString TCustomSQLiteDataAccessFacade::JoinNames(const QStringList& names, const QString& prefix)
{
    QStringList prefixed;
    prefixed.reserve(names.size());
    for (const QString& name : names)
        prefixed << prefix + name;
    return prefixed.join(QStringLiteral(", "));
}
