// The deal's randomness: the C library's generator, seeded from the calendar clock.
// Defined in random_source.cpp for the game; tests link a scripted fake instead.
#pragma once

long long currentSeconds();
void seedRandom(unsigned seed);
int drawRandom();
