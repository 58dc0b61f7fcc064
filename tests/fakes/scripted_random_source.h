// A random source for tests: a settable clock, the C library's generator, all zeros or a
// scripted sequence, and a record of every seed and draw.
#pragma once

#include <vector>

extern long long fakeClockSeconds;
extern bool drawOnlyZeros;
// When not empty, the draws: replayed from the start after each seed, as the C library's
// generator replays its sequence, and over again in a cycle.
extern std::vector<int> scriptedDraws;
extern std::vector<unsigned> seedsUsed;
extern int drawCount;

void resetScriptedRandomSource();
