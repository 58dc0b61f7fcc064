// The scripted random source: the real generator behind a fixed clock, or a generator of zeros.
#include "tests/fakes/scripted_random_source.h"

#include <cstdlib>

#include "engine/random_source.h"

long long fakeClockSeconds = 1700000000;
bool drawOnlyZeros = false;
std::vector<unsigned> seedsUsed;
int drawCount = 0;

void resetScriptedRandomSource()
{
    fakeClockSeconds = 1700000000;
    drawOnlyZeros = false;
    seedsUsed.clear();
    drawCount = 0;
}

long long currentSeconds()
{
    return fakeClockSeconds;
}

void seedRandom(unsigned seed)
{
    seedsUsed.push_back(seed);
    std::srand(seed);
}

int drawRandom()
{
    ++drawCount;
    return drawOnlyZeros ? 0 : std::rand();
}
