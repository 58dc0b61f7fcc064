// Hostile word lists and boards, the same on every run and every machine.
#include "bench/hostile_words.h"

#include <algorithm>

namespace {

const std::size_t SHORTEST = 13;
const std::size_t LONGEST = 16;

} // namespace

const char* const HOSTILE_TILES[2] = {"AAAAAAAAAABBBBBB", "AAAAAAEEEEESSSSS"};

std::string hostileBoard(const std::string& tiles, std::mt19937& random)
{
    // std::shuffle's draws differ between standard libraries; this Fisher-Yates does not.
    std::string board = tiles;
    for (std::size_t last = board.size() - 1; last > 0; --last) {
        std::swap(board[last], board[random() % (last + 1)]);
    }
    return board;
}

std::vector<std::string> hostileWords(const std::string& tiles, std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::string> words;
    for (std::size_t word = 0; word < count; ++word) {
        std::size_t length = SHORTEST + random() % (LONGEST - SHORTEST + 1);
        words.push_back(hostileBoard(tiles, random).substr(0, std::min(length, tiles.size())));
    }
    return words;
}
