#pragma once

#include "NameDeclension.h"

#include <string>

// "Surname Name Patronymic" in case 1..6, blanks kept as written. Words after
// the third (Оглы, Кызы) stay as they are.
std::u32string DeclineFullName(const std::u32string& fullName, int grammaticalCase);

// The sex the full name's words tell: the patronymic first, then the name,
// then the surname.
TNameSex SexOfFullName(const std::u32string& fullName);
