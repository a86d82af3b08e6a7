#pragma once

#include "domain/Exception.h"

// A move of the game that was not made; the message tells the player why.
// Nothing of the game has changed.
class EGameMoveRefusedException : public Exception
{
public:
    using Exception::Exception;
};
