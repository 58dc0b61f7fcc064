// Word lists built to be slow for a solver: long words over two or three letters, on boards that
// hold many copies of those letters, so that counting letters rules nothing out and most words
// cannot be traced.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <vector>

// The boards' tiles of the two hostile cases: ten A and six B; six A, five E and five S. (With
// eight A and eight B nearly every such word can be traced.)
extern const char* const HOSTILE_TILES[2];

// `count` words of 13 to 16 letters, each the start of a shuffle of `tiles`, so that no word
// needs more copies of a letter than the board has.
std::vector<std::string> hostileWords(const std::string& tiles, std::size_t count, unsigned seed);

// A shuffle of `tiles`: a board holding exactly those letters.
std::string hostileBoard(const std::string& tiles, std::mt19937& random);
