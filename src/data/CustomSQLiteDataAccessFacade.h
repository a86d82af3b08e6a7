#pragma once

#include "CustomDBVerionCheckDataAccessFacade.h"
#include "domain/DateTime.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class TSQLiteConnection;
class TSQLStatement;

// Where a file keeps its version: the table and its five columns.
struct TDBVersionFieldNames
{
    QString TableName;
    QString DBTypeFieldName;
    QString MajorVersionFieldName;
    QString MinorVersionFieldName;
    QString ReleaseVersionFieldName;
    QString BuildVersionFieldName;
};

// A facade over one SQLite connection.
class TCustomSQLiteDataAccessFacade : public TCustomDBVerionCheckDataAccessFacade
{
public:
    TCustomSQLiteDataAccessFacade();
    ~TCustomSQLiteDataAccessFacade() override;

    TSQLiteConnection& Connection() { return *m_connection; }

    // Reads the version from the named table and compares it with Required.
    // A table that cannot be read or holds no row gives false with Found empty;
    // SQLite's error is not reported.
    bool CheckVersionByFieldNames(const TDBVersionFieldNames& names, const IDBVersionRef& required,
                                  IDBVersionRef& found);

    // Binds the named parameter if the statement has it (see TSQLStatement::BindValue).
    static void SetParamValue(TSQLStatement& statement, const QString& name, const QVariant& value);

    // The day key of Value's date with dayOnly; otherwise the full date-time form.
    static QString DateTimeToSQLText(const DateTime& value, bool dayOnly);

    // The names in order, each preceded by the prefix, separated by ", ".
    static QString JoinNames(const QStringList& names, const QString& prefix = QString());

private:
    std::unique_ptr<TSQLiteConnection> m_connection;
};
