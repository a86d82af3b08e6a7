#pragma once

#include <QString>
#include <QStringList>

// Report values as "name=value" lines; a name is found regardless of letter
// case, the first line of that name winning.
void AddReportVariable(QStringList& variables, const QString& name, const QString& value);
// The value of the first line with that name; empty when there is none.
QString ReportVariable(const QStringList& variables, const QString& name);
