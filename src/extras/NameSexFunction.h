#pragma once

#include <QString>
#include <functional>

// Tells a person's sex from a patronymic: 1 means male, anything else female.
// May raise when the declension library cannot answer.
using TNameSexFunction = std::function<int(const QString& patronymic)>;
