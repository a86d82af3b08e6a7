#pragma once

#include <string>

enum class TNameSex { Unknown = 0, Male = 1, Female = 2 };
enum class TNamePart { Surname, Name, Patronymic };

// Russian grammatical cases as the library numbers them.
constexpr int NominativeCase = 1;
constexpr int PrepositionalCase = 6;

// One word of a full name (a hyphenated word part by part) in case 1..6.
std::u32string DeclineNameWord(const std::u32string& word, TNamePart part, TNameSex sex, int grammaticalCase);

// A word that stays as it is at the head of a surname: Тер, Бонч, Де, Ван.
bool IsSurnameParticle(const std::u32string& word);

TNameSex SexOfPatronymic(const std::u32string& patronymic);
TNameSex SexOfName(const std::u32string& name);
TNameSex SexOfSurname(const std::u32string& surname);
