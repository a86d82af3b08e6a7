#pragma once

// The phase of a game turn.
enum class TGameState {
    gsBetting = 0,
    gsAnswering = 1,
    gsResult = 2,
};
