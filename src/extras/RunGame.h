#pragma once

#include "NameSexFunction.h"

class IDebtorsGameVisitor;
class TGameForm;

// Starts a new game in the window and shows it modally until the player
// closes it. Raises when no visitor is given.
void RunGame(TGameForm& window, IDebtorsGameVisitor* visitor, TNameSexFunction nameSex);
