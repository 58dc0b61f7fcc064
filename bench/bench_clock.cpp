// The deal's randomness in benchmarks: the C library's generator, seeded from a clock that the
// benchmarks set, so that every run deals the same boards.
#include <cstdlib>

#include "bench/bench_support.h"
#include "engine/random_source.h"

long long benchClockSeconds = 0;

long long currentSeconds()
{
    return benchClockSeconds;
}

void seedRandom(unsigned seed)
{
    std::srand(seed);
}

int drawRandom()
{
    return std::rand();
}
