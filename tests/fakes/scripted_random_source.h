// A random source for tests: a settable clock, the C library's generator or all zeros,
// and a record of every seed and draw.
#pragma once

#include <vector>

extern long long fakeClockSeconds;
extern bool drawOnlyZeros;
extern std::vector<unsigned> seedsUsed;
extern int drawCount;

void resetScriptedRandomSource();
