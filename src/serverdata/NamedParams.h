#pragma once

#include "postgres/PgConnection.h"
#include "sqlite/RowSource.h"

#include <QString>

// A statement written with the file's named parameters (":Name") as the
// server takes it: each name outside quotes (and not a "::" cast) becomes
// $1, $2, ... in the order of first appearance, the same name the same
// number, and the values follow in that order in the server's text forms.
// A name without a value is NULL; a value the statement does not name is
// passed over, as the file does.
struct TServerStatement
{
    QString Sql;
    TPgParams Params;
};

TServerStatement ToServerStatement(const QString& sql, const TQueryParams& params);

// A value as the server reads it: an empty text or a null value as NULL,
// numbers as decimals, a flag as 1 or 0, a Qt date or moment in the file's form.
std::optional<QString> ServerParamText(const QVariant& value);
