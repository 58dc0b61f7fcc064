// Fuzzes lettro-solve's BOARD argument: any text is refused or laid out, then solved correctly.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/solver.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/solution_oracle.h"
#include "tools/board_argument.h"

namespace {

const char UNTOUCHED = '#';

// Words that make a walk back up: letters repeated, paths that dead-end, the longest word a
// board can hold and one letter more, one letter alone, and a repeat. None repeats one letter
// sixteen times: on a board of fifteen such tiles, proving it absent tries every path over them,
// which takes seconds and would only slow the fuzzing down.
const std::vector<std::string> FUZZ_WORDS = {
    "A", "AA", "AAA", "ABBA", "BANANA", "BANANAS", "ASSESS", "ASSESSES", "MISSISSIPPI",
    "TATTOO", "EYE", "QUEUE", "CAT", "CATS", "TEST", "TESTS", "SEES", "EEEE", "LEVEL", "NOON",
    "ROTOR", "STATS", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQ", "ZZZZZZZZ", "CAT"};

// A board argument as a shell passes it: text, ending at its first zero byte.
bool isBoardArgument(const std::string& text)
{
    if (text.size() != static_cast<std::size_t>(TILE_COUNT)) {
        return false;
    }
    for (char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

// The tiles, in reading order, that the board should hold after `text` was taken or refused.
std::string expectedTiles(const std::string& text, bool taken)
{
    if (!taken) {
        return std::string(static_cast<std::size_t>(TILE_COUNT), UNTOUCHED);
    }
    return toupperEach(text);
}

void checkBoard(const std::string& tiles)
{
    for (int position = 0; position < TILE_COUNT; ++position) {
        char expected = tiles[static_cast<std::size_t>(position)];
        fuzzCheck(gameState.tileLetters[position] == expected, "tile letter");
        fuzzCheck(gameState.board[boardIndex(position % BOARD_SIZE, position / BOARD_SIZE)] == expected, "board cell");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const std::string& word : FUZZ_WORDS) {
        storeWord(gameState.dictionary, gameState.dictionaryCount, word);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text = textUpToZero(data, size);
    std::memset(gameState.tileLetters, UNTOUCHED, sizeof gameState.tileLetters);
    std::memset(gameState.board, UNTOUCHED, sizeof gameState.board);
    bool taken = setBoardFromArgument(text.c_str());
    fuzzCheck(taken == isBoardArgument(text), "board accepted or refused");
    checkBoard(expectedTiles(text, taken));
    if (taken) {
        solveBoard();
        checkSolutionList(expectedSolutions(gameState.tileLetters, FUZZ_WORDS));
    }
    return 0;
}
