// The plain solver: every path tried from every tile, with tiles counted in reading order.
#include "fuzz/solution_oracle.h"

#include <set>

#include "engine/game_state.h"
#include "fuzz/fuzz_support.h"

namespace {

bool areNeighbours(int first, int second)
{
    int rowDistance = first / BOARD_SIZE - second / BOARD_SIZE;
    int columnDistance = first % BOARD_SIZE - second % BOARD_SIZE;
    return first != second && rowDistance >= -1 && rowDistance <= 1 && columnDistance >= -1 && columnDistance <= 1;
}

// Whether the letters of `word` from `at` on can be traced onward from tile `from`, avoiding `used`.
bool tracesOn(const char* tileLetters, const std::string& word, std::size_t at, int from, unsigned used)
{
    if (at == word.size()) {
        return true;
    }
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        unsigned bit = 1u << tile;
        if ((used & bit) == 0 && areNeighbours(from, tile) && tileLetters[tile] == word[at] &&
            tracesOn(tileLetters, word, at + 1, tile, used | bit)) {
            return true;
        }
    }
    return false;
}

bool traces(const char* tileLetters, const std::string& word)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(TILE_COUNT)) {
        return false;
    }
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        if (tileLetters[tile] == word[0] && tracesOn(tileLetters, word, 1, tile, 1u << tile)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string> expectedSolutions(const char* tileLetters, const std::vector<std::string>& words)
{
    std::vector<std::string> solutions;
    std::set<std::string> seen;
    for (const std::string& word : words) {
        if (traces(tileLetters, word) && seen.insert(word).second) {
            solutions.push_back(word);
        }
    }
    return solutions;
}

void checkSolutionList(const std::vector<std::string>& expected)
{
    checkWordList(gameState.solutionList, gameState.solutionCount, expected, "solution list");
}
