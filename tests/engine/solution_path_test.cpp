// The path of a solution: the tiles that spell it, as the solver meets them first.
#include "engine/solution_path.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/solver.h"
#include "tests/fakes/engine_fixture.h"

namespace {

using SolutionPaths = EngineTest;

// What is wrong with `path` as a way to spell `word` on the board; empty when nothing is.
std::string pathFault(const SolutionPath& path, std::string_view word)
{
    if (static_cast<std::size_t>(path.length) != word.size()) {
        return "length " + std::to_string(path.length);
    }
    for (int step = 0; step < path.length; ++step) {
        int cell = path.cells[step];
        if (cell < 0 || cell >= TILE_COUNT || gameState.board[cell] != word[static_cast<std::size_t>(step)]) {
            return "letter " + std::to_string(step) + " is off the word";
        }
        for (int earlier = 0; earlier < step; ++earlier) {
            if (path.cells[earlier] == cell) {
                return "tile " + std::to_string(cell) + " used twice";
            }
        }
        int previous = step == 0 ? cell : path.cells[step - 1];
        if (step > 0 && (std::abs(cell / 4 - previous / 4) > 1 || std::abs(cell % 4 - previous % 4) > 1)) {
            return "step " + std::to_string(step) + " jumps";
        }
    }
    return "";
}

void expectEverySolutionHasAPath(const std::string& board)
{
    solveBoard();
    ASSERT_GT(gameState.solutionCount, 20) << board;
    for (int slot = 0; slot < gameState.solutionCount; ++slot) {
        std::string_view word = wordAt(gameState.solutionList, slot);
        EXPECT_EQ(pathFault(solutionPath(word), word), "") << board << ": " << word;
    }
}

TEST_F(SolutionPaths, EverySolutionOfDealtBoardsAndOfRepeatedLettersHasAPathSpellingIt)
{
    gameState.dictionaryPath = SHIPPED_WORDS;
    ASSERT_TRUE(loadDictionary());
    for (long long second : {1700000000LL, 1700000004LL, 1700000005LL}) {
        fakeClockSeconds = second;
        dealBoard();
        expectEverySolutionHasAPath(std::string(gameState.tileLetters, TILE_COUNT));
    }
    const char* repeated = "STES" "EATS" "TEAR" "RESE";
    useBoard(repeated);
    expectEverySolutionHasAPath(repeated);
}

TEST_F(SolutionPaths, PathIsTheFirstInBoardIndexOrderAndAWordOffTheBoardHasNone)
{
    // A / B B / C: the B below the A (index 1) comes before the B on its right (index 4), and
    // BAB needs both.
    useBoard("ABXX" "BXXX" "CXXX" "XXXX");
    SolutionPath ab = solutionPath("AB");
    ASSERT_EQ(ab.length, 2);
    EXPECT_EQ(ab.cells[1], 1);
    SolutionPath bab = solutionPath("BAB");
    ASSERT_EQ(bab.length, 3);
    EXPECT_EQ(std::vector<int>(bab.cells, bab.cells + 3), (std::vector<int>{1, 0, 4}));
    EXPECT_EQ(solutionPath("ABA").length, 0) << "the A is used once";
    EXPECT_EQ(solutionPath("ABCD").length, 0);
    EXPECT_EQ(solutionPath("").length, 0);
    EXPECT_EQ(solutionPath("XXXXXXXXXXXXXXXXX").length, 0) << "seventeen letters";
}

} // namespace
