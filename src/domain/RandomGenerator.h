#pragma once

// Where the program's random numbers come from (the code of the safe-delete
// form, the draws of a game). Tests put a generator with a known sequence in place.
class IRandomGenerator
{
public:
    // A number from 0 to range - 1.
    virtual int Random(int range) = 0;

protected:
    ~IRandomGenerator() = default;
};
