// The C library's rand/srand and time: the same sequence the platform's runtime gives.
#include "engine/random_source.h"

#include <cstdlib>
#include <ctime>

long long currentSeconds()
{
    return static_cast<long long>(std::time(nullptr));
}

void seedRandom(unsigned seed)
{
    std::srand(seed);
}

int drawRandom()
{
    return std::rand();
}
