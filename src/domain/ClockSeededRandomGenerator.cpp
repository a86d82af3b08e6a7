#include "ClockSeededRandomGenerator.h"

#include "Clock.h"

TClockSeededRandomGenerator::TClockSeededRandomGenerator()
{
    const DateTime now = Clock::Now();
    m_engine.seed(static_cast<std::mt19937::result_type>(now.Date().toJulianDay() * 86400000LL + now.MSecOfDay()));
}

int TClockSeededRandomGenerator::Random(int range)
{
    if (range <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(m_engine);
}
