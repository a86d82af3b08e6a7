#pragma once

#include <QString>

// A person's full name as it is shown and printed: the surname, the name and
// the patronymic that are not blank, each without blanks around it, joined by
// single blanks. Many people have no patronymic.
QString FullName(const QString& surname, const QString& name, const QString& patronymic);
