#pragma once

#include <QString>

// Reads the number typed into the game's field: decimal digits only, up to
// the largest 32-bit integer. Raises EGameMoveRefusedException with a line
// for the player otherwise ("Введите число.", "Слишком большое число.").
int ReadGameNumber(const QString& text);
