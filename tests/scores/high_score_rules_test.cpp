// Qualifying for the table over all ten slots, and entering a score without losing any other.
#include <cstring>

#include "scores/high_score_table.h"
#include "tests/fakes/engine_fixture.h"

namespace {

class HighScoreRules : public ::testing::Test {
  protected:
    void SetUp() override
    {
        highScoreTable = HighScoreTable();
        unsavedHighScores.clear();
    }
};

// Stores entries named s<score> in the given slot order.
void useTable(std::initializer_list<int> scores)
{
    int slot = 0;
    for (int score : scores) {
        std::string name = "s" + std::to_string(score);
        std::memset(highScoreTable.highScoreNames[slot], 0, HIGH_SCORE_NAME_LENGTH);
        std::memcpy(highScoreTable.highScoreNames[slot], name.data(), name.size());
        highScoreTable.highScoreScores[slot] = score;
        ++slot;
    }
    highScoreTable.highScoreCount = slot;
}

// The stored entries as "name:score" joined by spaces, slot 0 first.
std::string tableText()
{
    std::string text;
    for (int slot = 0; slot < highScoreTable.highScoreCount; ++slot) {
        text += (slot == 0 ? "" : " ") + std::string(highScoreTable.highScoreNames[slot]) + ":" +
                std::to_string(highScoreTable.highScoreScores[slot]);
    }
    return text;
}

TEST_F(HighScoreRules, ScoreZeroNeverQualifiesAndAnEmptyTableTakesAnyPositiveScore)
{
    EXPECT_FALSE(scoreQualifies(0));
    EXPECT_TRUE(scoreQualifies(5));
}

TEST_F(HighScoreRules, FullTableTakesOnlyAScoreAboveItsLowest)
{
    useTable({12, 15, 18, 21, 24, 27, 30, 33, 36, 39});
    EXPECT_FALSE(scoreQualifies(12));
    EXPECT_TRUE(scoreQualifies(13));
}

TEST_F(HighScoreRules, EmptySlotsCountWithScoreZeroWhateverTheCount)
{
    useTable({40, 50, 60});
    EXPECT_TRUE(scoreQualifies(1));
}

TEST_F(HighScoreRules, FirstEntryOfAnEmptyTableIsCounted)
{
    EXPECT_TRUE(enterHighScore("Ann", 5));
    EXPECT_EQ(tableText(), "Ann:5");
    EXPECT_EQ(std::string(highScoreTable.highScoreNames[0], 30), "Ann" + std::string(27, '\0'));
}

TEST_F(HighScoreRules, PartTableKeepsEveryEntryAndStaysSorted)
{
    useTable({40, 50, 60});
    EXPECT_TRUE(enterHighScore("low", 1));
    EXPECT_TRUE(enterHighScore("mid", 55));
    EXPECT_EQ(tableText(), "low:1 s40:40 s50:50 mid:55 s60:60");
}

TEST_F(HighScoreRules, UnsortedPartTableIsSortedByTheEntry)
{
    useTable({60, 40, 50});
    EXPECT_EQ(placeForScore(45), 3) << "below the 60 and the 50, in an unsorted table";
    EXPECT_TRUE(enterHighScore("new", 45));
    EXPECT_EQ(tableText(), "s40:40 new:45 s50:50 s60:60");
}

TEST_F(HighScoreRules, NinthAndTenthEntriesFillTheTable)
{
    useTable({1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(enterHighScore("tenth", 4));
    EXPECT_EQ(placeForScore(4), 6) << "a new 4 stands above the 4s it ties with";
    EXPECT_EQ(highScoreTable.highScoreCount, 10);
    EXPECT_EQ(tableText(), "s1:1 s2:2 s3:3 s4:4 tenth:4 s5:5 s6:6 s7:7 s8:8 s9:9");
}

TEST_F(HighScoreRules, FullTableLosesExactlyItsLowestEntry)
{
    useTable({12, 15, 18, 21, 24, 27, 30, 33, 36, 39});
    EXPECT_TRUE(enterHighScore("new", 25));
    EXPECT_EQ(tableText(), "s15:15 s18:18 s21:21 s24:24 new:25 s27:27 s30:30 s33:33 s36:36 s39:39");
}

TEST_F(HighScoreRules, UnsortedFullTableLosesItsLowestWhereverItStands)
{
    useTable({30, 12, 39, 15, 18, 21, 24, 27, 33, 36});
    EXPECT_TRUE(enterHighScore("new", 13));
    EXPECT_EQ(tableText(), "new:13 s15:15 s18:18 s21:21 s24:24 s27:27 s30:30 s33:33 s36:36 s39:39");
}

// Of entries with equal scores the newer stands above, whether it filled a free slot or took the
// lowest entry's place, so that the older leaves the table first.
TEST_F(HighScoreRules, OfTwoTiedLowestEntriesTheOlderLeavesFirst)
{
    useTable({3, 5, 7, 9, 11, 13, 15, 17, 19, 21});
    EXPECT_TRUE(enterHighScore("new", 5));
    EXPECT_TRUE(enterHighScore("next", 6));
    EXPECT_EQ(tableText(), "new:5 next:6 s7:7 s9:9 s11:11 s13:13 s15:15 s17:17 s19:19 s21:21");
    useTable({5, 7, 9, 11, 13, 15, 17, 19, 21});
    EXPECT_TRUE(enterHighScore("new", 5));
    EXPECT_TRUE(enterHighScore("next", 6));
    EXPECT_EQ(tableText(), "new:5 next:6 s7:7 s9:9 s11:11 s13:13 s15:15 s17:17 s19:19 s21:21");
}

TEST_F(HighScoreRules, ShorterNameOverALongerOneKeepsNoneOfItsBytes)
{
    for (int slot = 0; slot < HIGH_SCORE_SLOTS; ++slot) {
        std::memset(highScoreTable.highScoreNames[slot], 'a' + slot, HIGH_SCORE_NAME_LENGTH);
        highScoreTable.highScoreScores[slot] = slot + 1;
    }
    highScoreTable.highScoreCount = HIGH_SCORE_SLOTS;
    EXPECT_TRUE(enterHighScore("Bo", 99));
    EXPECT_EQ(std::string(highScoreTable.highScoreNames[9], 30), "Bo" + std::string(28, '\0'));
}

TEST_F(HighScoreRules, ScoreThatNoLongerBeatsTheLowestIsRefused)
{
    useTable({12, 15, 18, 21, 24, 27, 30, 33, 36, 39});
    EXPECT_FALSE(enterHighScore("late", 12));
    EXPECT_EQ(tableText(), "s12:12 s15:15 s18:18 s21:21 s24:24 s27:27 s30:30 s33:33 s36:36 s39:39");
}

TEST_F(HighScoreRules, LongNamesKeepTheirFirstThirtyBytesAndEmptyNamesAreAllowed)
{
    enterHighScore("abcdefghijklmnopqrstuvwxyz0123456789", 9);
    enterHighScore("", 3);
    EXPECT_EQ(std::string(highScoreTable.highScoreNames[1], 30), "abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(std::string(highScoreTable.highScoreNames[0], 30), std::string(30, '\0'));
    EXPECT_EQ(highScoreTable.highScoreScores[0], 3);
}

} // namespace
