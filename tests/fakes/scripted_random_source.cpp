// The scripted random source: the real generator behind a fixed clock, a generator of zeros, or a
// scripted sequence.
#include "tests/fakes/scripted_random_source.h"

#include <cstdlib>

#include "engine/random_source.h"

long long fakeClockSeconds = 1700000000;
bool drawOnlyZeros = false;
std::vector<int> scriptedDraws;
std::vector<unsigned> seedsUsed;
int drawCount = 0;

namespace {

std::size_t drawsSinceSeed = 0;

} // namespace

void resetScriptedRandomSource()
{
    fakeClockSeconds = 1700000000;
    drawOnlyZeros = false;
    scriptedDraws.clear();
    drawsSinceSeed = 0;
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
    drawsSinceSeed = 0;
    std::srand(seed);
}

int drawRandom()
{
    ++drawCount;
    if (!scriptedDraws.empty()) {
        return scriptedDraws[drawsSinceSeed++ % scriptedDraws.size()];
    }
    return drawOnlyZeros ? 0 : std::rand();
}
