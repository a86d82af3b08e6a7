#pragma once

#include "domain/Money.h"

#include <QString>

// Amounts in Russian words as payment orders state them:
// "Одна тысяча двести тридцать четыре рубля 50 копеек". Every number word
// carries its trailing blank; the amount has one blank before the rouble word.

enum class TWordGender { Masculine, Feminine };

// Roubles in words, kopecks as two digits, rounded half away from zero from
// the exact ten-thousandths; the first letter in capitals.
QString MoneyToWords(Money amount);
// A whole number given as decimal digits, optionally with a leading "-";
// at most eighteen digits are spelled.
QString NumberToWords(const QString& digits);
// One group of three digits ('0'..'9').
QString TripletToWords(QChar hundreds, QChar tens, QChar units, TWordGender gender);
// The digit that chooses a word's ending: "0" for 10..19, else the last digit.
QChar EndingDigit(const QString& digits);
