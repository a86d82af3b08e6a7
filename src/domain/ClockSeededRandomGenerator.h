#pragma once

#include "RandomGenerator.h"

#include <random>

// The pseudo-random generator of the program, seeded from the clock when it is made.
class TClockSeededRandomGenerator : public IRandomGenerator
{
public:
    TClockSeededRandomGenerator();

    int Random(int range) override;

private:
    std::mt19937 m_engine;
};
