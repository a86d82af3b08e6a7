#pragma once

#include <QString>

#include <vector>

// Word lists for the demo loan book: Russian names and places that look real.
namespace DemoNames {

// A word in its masculine and feminine forms (surnames, patronymics).
struct TGendered
{
    const char* Male;
    const char* Female;
};

// Where a debtor lives: the first three digits of the post code and the place.
struct TPlace
{
    const char* PostCodePrefix;
    const char* Region;
    const char* District;
    const char* City;
};

const std::vector<TGendered>& Surnames();
const std::vector<const char*>& MaleNames();
const std::vector<const char*>& FemaleNames();
const std::vector<TGendered>& Patronymics();
const std::vector<TPlace>& Places();
const std::vector<const char*>& Streets();

}
