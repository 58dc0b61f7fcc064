// Solving: which dictionary words a board holds, traced over distinct adjacent tiles.
#include "engine/solver.h"

#include <cstring>
#include <vector>

#include "engine/dictionary.h"
#include "engine/submission.h"
#include "tests/fakes/engine_fixture.h"

namespace {

using Solver = EngineTest;

// A board of X tiles with the given letters placed at (column, row).
void useSparseBoard(std::initializer_list<std::pair<std::pair<int, int>, char>> tiles)
{
    std::string letters(TILE_COUNT, 'X');
    for (const auto& tile : tiles) {
        letters[static_cast<std::size_t>(tile.first.second * 4 + tile.first.first)] = tile.second;
    }
    useBoard(letters.c_str());
}

TEST_F(Solver, OneLetterWordIsASolutionWhenItsLetterIsOnTheBoard)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"A", "P", "Z"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "A P");
}

TEST_F(Solver, WordsFollowNeighboursInEveryDirection)
{
    // A B C D / E F G H / I J K L / M N O P
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"ABC", "CBA", "AEI", "IEA", "AFK", "KFA", "DGJ", "JGD", "ABFE", "PONMIJKLHGFEABCD"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "ABC CBA AEI IEA AFK KFA DGJ JGD ABFE PONMIJKLHGFEABCD");
}

TEST_F(Solver, WordsNotAdjacentOrWithoutTheirFirstLetterAreNotSolutions)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"AC", "AP", "ZAB", "ABCDA"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "");
}

TEST_F(Solver, ATileIsUsedOnceInAWordTheStartIncluded)
{
    useSparseBoard({{{0, 0}, 'A'}, {{1, 0}, 'B'}});
    useDictionary({"ABA", "AB", "BAB"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "AB");
    useSparseBoard({{{0, 0}, 'A'}, {{1, 0}, 'B'}, {{2, 0}, 'A'}});
    solveBoard();
    EXPECT_EQ(solutionsText(), "ABA AB");
}

TEST_F(Solver, APathThatDeadEndsLeavesTheNextNeighbourToTry)
{
    // The path from A takes the B on its right first, finds no C beside it, and goes on from the B below.
    useSparseBoard({{{0, 0}, 'A'}, {{1, 0}, 'B'}, {{0, 1}, 'B'}, {{0, 2}, 'C'}});
    useDictionary({"ABC"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "ABC");
}

TEST_F(Solver, APathThatDeadEndsSeveralLettersOnLeavesTheEarlierBranchesToTry)
{
    // E A T / A - - / T S: from E the path takes the top row first and dead-ends at its T,
    // then goes on two letters back, from the A below E, and finds T and S there.
    useBoard("EATX" "AXXX" "TSXX" "XXXX");
    useDictionary({"EATS", "ETAS"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "EATS");
}

TEST_F(Solver, SecondStartCellIsTriedWhenTheFirstFails)
{
    useSparseBoard({{{0, 0}, 'Q'}, {{3, 3}, 'Q'}, {{2, 3}, 'U'}});
    useDictionary({"QU"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "QU");
}

TEST_F(Solver, WordsLongerThanSixteenLettersAreNeverSolutions)
{
    useBoard("AAAAAAAAAAAAAAAA");
    useDictionary({"AAAAAAAAAAAAAAAA", "AAAAAAAAAAAAAAAAA"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "AAAAAAAAAAAAAAAA");
}

TEST_F(Solver, DuplicateWordStandsOnceAtItsFirstPlaceInDictionaryOrder)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"FG", "AB", "ZZ", "FG", "BA"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "FG AB BA");
}

TEST_F(Solver, AWordSpelledAlongTwoPathsStandsOnceOnEverySolve)
{
    // ABC is spelled first with the C below B, which has no D beside it, then with the C on the top row.
    useSparseBoard({{{0, 0}, 'A'}, {{0, 1}, 'B'}, {{0, 2}, 'C'}, {{1, 0}, 'C'}, {{2, 0}, 'D'}});
    useDictionary({"ABC", "ABCD"});
    for (int solve = 0; solve < 3; ++solve) {
        solveBoard();
        EXPECT_EQ(solutionsText(), "ABC ABCD") << "solve " << solve;
    }
}

// The counts a solve lowers are put back exactly: more would leave later solves entering nodes
// with nothing left to find, less would hide words from them.
TEST_F(Solver, SolveLeavesTheIndexsCountsAsItFoundThem)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"AB", "ABC", "ABFE", "BA", "FG", "AB", "ZZ"});
    solveBoard();
    std::vector<TreeNode> laidOut = gameState.dictionaryIndex.nodes;
    EXPECT_EQ(laidOut[0].wordsLeft, 6u) << "every word of the tree but the copy";
    solveBoard();
    const std::vector<TreeNode>& now = gameState.dictionaryIndex.nodes;
    ASSERT_EQ(now.size(), laidOut.size());
    EXPECT_EQ(std::memcmp(now.data(), laidOut.data(), now.size() * sizeof(TreeNode)), 0);
}

TEST_F(Solver, LowercaseOrOtherBytesNeverMatchTiles)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"ab", "A'B", "AB"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "AB");
}

TEST_F(Solver, SmallerSolveLeavesOlderWordsBeyondTheCountUnseen)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"AB", "BC", "CD"});
    solveBoard();
    ASSERT_EQ(gameState.solutionCount, 3);
    useBoard("ABXXXXXXXXXXXXXX");
    solveBoard();
    EXPECT_EQ(gameState.solutionCount, 1);
    EXPECT_FALSE(checkValidWord("CD")) << "no lookup sees an older solution beyond the count";
    EXPECT_EQ(solutionsText(), "AB");
}

TEST_F(Solver, LettersBeyondTheSeventhAreTracedToo)
{
    // A B C D / E F G H / I J K L / M N O P: a snake along the rows, then a step too far.
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"ABCDHGFEIJ", "ABCDHGFEIK", "ABCDHGFEIJNMX"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "ABCDHGFEIJ");
}

TEST_F(Solver, TilesOtherThanLettersSpellNothing)
{
    // No deal makes such a board; a solve of one still ends, with the words of its letters.
    useBoard("A1XX" "XXXX" "XXXX" "XXXa");
    useDictionary({"A1", "1A", "a", "A1X", "AX"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "AX");
}

TEST_F(Solver, ADictionaryChangedSinceTheLastSolveIsSolvedAsItIsNow)
{
    useBoard("ABCDEFGHIJKLMNOP");
    useDictionary({"AB", "CD"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "AB CD");
    useDictionary({"AP", "DC"});
    solveBoard();
    EXPECT_EQ(solutionsText(), "DC") << "same count and lengths, other words";
    gameState.dictionaryCount = 1;
    solveBoard();
    EXPECT_EQ(solutionsText(), "");
}

TEST_F(Solver, LoadingIndexesTheDictionaryAndAnyStoreOutdatesTheIndex)
{
    gameState.dictionaryPath = writeTestFile("indexed.dic", "ab ba\n");
    ASSERT_TRUE(loadDictionary());
    EXPECT_TRUE(isDictionaryIndexCurrent()) << "the first New Game does not wait for indexing";
    storeWord(gameState.dictionary, gameState.dictionaryCount, "CD");
    EXPECT_FALSE(isDictionaryIndexCurrent());
    useBoard("ABCDEFGHIJKLMNOP");
    solveBoard();
    EXPECT_TRUE(isDictionaryIndexCurrent());
    EXPECT_EQ(solutionsText(), "AB BA CD");
}

TEST_F(Solver, EmptyDictionaryGivesNoSolutions)
{
    useBoard("ABCDEFGHIJKLMNOP");
    solveBoard();
    EXPECT_EQ(gameState.solutionCount, 0);
}

} // namespace
