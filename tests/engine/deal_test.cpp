// Dealing a board: six vowels and ten consonants, two seeds from the clock, 2016 draws.
#include "engine/deal.h"

#include <cstring>
#include <string>

#include "tests/fakes/engine_fixture.h"

namespace {

bool isVowel(char c)
{
    return std::strchr("AEIOU", c) != nullptr;
}

std::string tileLettersText()
{
    return std::string(gameState.tileLetters, TILE_COUNT);
}

using Deal = EngineTest;

TEST_F(Deal, EveryBoardHasSixVowelsAndTenOtherLettersAllAToZ)
{
    for (long long second = 0; second < 500; ++second) {
        fakeClockSeconds = 1700000000 + second * 7919;
        dealBoard();
        int vowels = 0;
        for (char letter : tileLettersText()) {
            vowels += isVowel(letter) ? 1 : 0;
        }
        ASSERT_EQ(vowels, 6) << tileLettersText();
        // The solver finds words only on tiles A to Z.
        for (char tile : gameState.board) {
            ASSERT_TRUE(tile >= 'A' && tile <= 'Z') << "tile " << static_cast<int>(tile);
        }
    }
}

TEST_F(Deal, SeedsTwiceFromTheClockAndDraws2016Times)
{
    fakeClockSeconds = 1234567;
    dealBoard();
    EXPECT_EQ(seedsUsed, (std::vector<unsigned>{1234567u, 1234567u}));
    EXPECT_EQ(drawCount, 16 + 2000);
    EXPECT_EQ(displayEvents, std::vector<std::string>{"repaint"});
}

TEST_F(Deal, TwoDealsInTheSameSecondGiveTheSameBoard)
{
    dealBoard();
    std::string first = tileLettersText();
    dealBoard();
    EXPECT_EQ(tileLettersText(), first);
    fakeClockSeconds += 1;
    dealBoard();
    EXPECT_NE(tileLettersText(), first);
}

TEST_F(Deal, GeneratorOfZerosGivesAllAThenAllBWithTheBoardByColumn)
{
    drawOnlyZeros = true;
    dealBoard();
    EXPECT_EQ(tileLettersText(), "AAAAAABBBBBBBBBB");
    // Row 0 and columns 0 and 1 of row 1 hold A; by column, index = column * 4 + row.
    EXPECT_EQ(std::string(gameState.board, TILE_COUNT), "AABB" "AABB" "ABBB" "ABBB");
}

// Worked out by hand: the letters are 48 25 49 46 2 55 modulo 5 (O A U E I A), then 83 12 196
// 59 21 56 166 127 10 173 modulo 21 (Z Q K W B S Y C N H). After the second seed the shuffle
// takes the same numbers modulo 16 in pairs: 0-9 1-14 2-7 3-12 4-11 5-8 6-15 10-13 5-5, nine
// swaps a cycle on positions of their own. 1000 swaps are 111 cycles and the swap 0-9 once more:
// 0-9 is made an even number of times and every other pair an odd number.
TEST_F(Deal, ScriptedGeneratorDealsTheBoardWorkedOutByHand)
{
    scriptedDraws = {48, 25, 49, 46, 2, 55, 83, 12, 196, 59, 21, 56, 166, 127, 10, 173, 21, 37};
    dealBoard();
    EXPECT_EQ(tileLettersText(), "ONQYSKHUAWCIEBAZ");
    EXPECT_EQ(std::string(gameState.board, TILE_COUNT), "OSAE" "NKWB" "QHCA" "YUIZ");
}

TEST_F(Deal, BoardMirrorsTheLettersInReadingOrder)
{
    dealBoard();
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int column = 0; column < BOARD_SIZE; ++column) {
            EXPECT_EQ(gameState.board[boardIndex(column, row)], gameState.tileLetters[row * 4 + column]);
        }
    }
}

TEST(LetterOrder, VowelsFirstThenTheConsonantsAlphabetically)
{
    EXPECT_STREQ(letterOrder, "AEIOUBCDFGHJKLMNPQRSTVWXYZ");
}

} // namespace
