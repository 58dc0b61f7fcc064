// The path of a solution: the tiles that spell it, as the solver meets them first.
#include "engine/solution_path.h"

#include <cstdlib>
#include <vector>

#include "engine/deal.h"
#include "engine/dictionary.h"
#include "engine/solver.h"
#include "tests/fakes/engine_fixture.h"

namespace {

using SolutionPaths = EngineTest;

// Each solution's path has the word's length, uses distinct tiles, steps between neighbours and spells the word.
void expectEverySolutionHasAPath()
{
    solveBoard();
    ASSERT_GT(gameState.solutionCount, 20);
    for (int slot = 0; slot < gameState.solutionCount; ++slot) {
        std::string_view word = wordAt(gameState.solutionList, slot);
        SolutionPath path = solutionPath(word);
        std::string spelled;
        unsigned used = 0;
        for (int step = 0, previous = path.cells[0]; step < path.length; previous = path.cells[step++]) {
            spelled += gameState.board[path.cells[step]];
            used |= 1u << path.cells[step];
            EXPECT_LE(std::abs(path.cells[step] / 4 - previous / 4) | std::abs(path.cells[step] % 4 - previous % 4), 1);
        }
        EXPECT_EQ(spelled, word);
        EXPECT_EQ(__builtin_popcount(used), path.length) << word << ": a tile used twice";
    }
}

TEST_F(SolutionPaths, EverySolutionOfDealtBoardsAndOfRepeatedLettersHasAPathSpellingIt)
{
    gameState.dictionaryPath = SHIPPED_WORDS;
    ASSERT_TRUE(loadDictionary());
    for (long long second : {1700000000LL, 1700000004LL, 1700000005LL}) {
        fakeClockSeconds = second;
        dealBoard();
        expectEverySolutionHasAPath();
    }
    useBoard("STES" "EATS" "TEAR" "RESE");
    expectEverySolutionHasAPath();
}

TEST_F(SolutionPaths, PathIsTheFirstInBoardIndexOrderAndAWordOffTheBoardHasNone)
{
    // A B / B: the B below the A (index 1) comes before the B on its right (index 4).
    useBoard("ABXX" "BXXX" "CXXX" "XXXX");
    SolutionPath bab = solutionPath("BAB");
    EXPECT_EQ(std::vector<int>(bab.cells, bab.cells + bab.length), (std::vector<int>{1, 0, 4}));
    EXPECT_EQ(solutionPath("AB").cells[1], 1);
    for (const char* word : {"ABA", "ABCD", "", "XXXXXXXXXXXXXXXXX"}) {
        EXPECT_EQ(solutionPath(word).length, 0) << word;
    }
    useBoard("ABCD" "HGFE" "IJKL" "PONM");
    EXPECT_EQ(solutionPath("ABCDEFGHIJKLMNOP").length, 16) << "a word over all sixteen tiles";
}

} // namespace
