#pragma once

// Where the random numbers of a form come from. Tests put a generator with a
// known sequence in place.
class IRandomGenerator
{
public:
    // A number from 0 to range - 1.
    virtual int Random(int range) = 0;

protected:
    ~IRandomGenerator() = default;
};
