// The life of a game: New Game, 180 ticks, the closing tally and the score offered to the table.
#include "engine/game_life.h"

#include "engine/solutions_report.h"
#include "engine/submission.h"
#include "tests/fakes/engine_fixture.h"

namespace {

class GameLife : public EngineTest {
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        // A generator of zeros deals A on row 0 and columns 0 and 1 of row 1, B everywhere else.
        drawOnlyZeros = true;
        useDictionary({"AB", "BA", "ABBA", "AA", "CAB"});
    }

    void handIn(const char* word)
    {
        fakeWordField = word;
        submitWord(SUBMIT_BUTTON);
    }

    void tick(int times)
    {
        for (int count = 0; count < times; ++count) {
            countdownTick();
        }
    }
};

TEST_F(GameLife, NewGameDealsSolvesResetsAndStartsTheCountdownInOrder)
{
    startNewGame();
    EXPECT_EQ(displayEvents,
              (std::vector<std::string>{"solutions:off", "clearFound", "repaint", "score:0", "entry:on",
                                        "endGame:on", "timer:start", "picksCleared"}));
    EXPECT_EQ(solutionsText(), "AB BA ABBA AA");
    EXPECT_TRUE(gameState.boardDealt);
    EXPECT_EQ(gameState.gameKind, TIMED_GAME);
    EXPECT_EQ(gameState.secondsLeft, 180);
    EXPECT_EQ(gameState.score, 0);
}

TEST_F(GameLife, WholeGameCountsDownAndEndsOnTheHundredAndEightiethTick)
{
    startNewGame();
    handIn("ab");
    handIn("zz");
    handIn("ba");
    displayEvents.clear();
    tick(179);
    std::vector<std::string> times = eventsStartingWith("time:");
    ASSERT_EQ(times.size(), 179u);
    EXPECT_EQ(times[0], "time:2:59");
    EXPECT_EQ(times[119], "time:1:00");
    EXPECT_EQ(times[170], "time:0:09");
    EXPECT_TRUE(eventsStartingWith("closing:").empty());
    displayEvents.clear();
    tick(1);
    EXPECT_EQ(displayEvents, (std::vector<std::string>{"time:0:00", "timer:stop", "entry:off", "endGame:off",
                                                       "solutions:on", "closing: You got 2 out of 4",
                                                       "finishedScore:2"}));
    EXPECT_EQ(gameState.gameKind, NO_GAME);
}

TEST_F(GameLife, SolutionsAfterTheEndMarkTheWordsFoundInTime)
{
    startNewGame();
    handIn("ab");
    handIn("zz");
    handIn("Ba");
    handIn("ab");
    tick(180);
    fakeWordField = "aa";
    submitWord(SUBMIT_DOUBLE_CLICK);
    EXPECT_EQ(solutionsTally(), "You found 2 of 4") << "a word handed in after the time neither counts nor shows";
    EXPECT_EQ(solutionLines(), (std::vector<std::string>{"* AB", "* BA", "ABBA", "AA"}));
}

TEST_F(GameLife, TicksAfterTheEndShowNothingAndDoNotEndTheGameAgain)
{
    startNewGame();
    tick(180);
    displayEvents.clear();
    tick(5);
    EXPECT_TRUE(displayEvents.empty());
    EXPECT_EQ(gameState.secondsLeft, 0);
}

// A stray tick after End Game, and End Game again, change nothing.
TEST_F(GameLife, EndGameEndsATimedGameAtOnceAndOffersItsScore)
{
    startNewGame();
    handIn("ab");
    tick(10);
    displayEvents.clear();
    endRunningGame();
    EXPECT_EQ(displayEvents, (std::vector<std::string>{"time:0:00", "timer:stop", "entry:off", "endGame:off",
                                                       "solutions:on", "closing: You got 1 out of 4",
                                                       "finishedScore:1"}));
    displayEvents.clear();
    tick(1);
    endRunningGame();
    EXPECT_TRUE(displayEvents.empty());
    EXPECT_EQ(gameState.secondsLeft, 0);
}

TEST_F(GameLife, UntimedGameHasNoCountdownAndItsScoreIsNeverOffered)
{
    startNewGame();
    displayEvents.clear();
    startUntimedGame();
    EXPECT_EQ(displayEvents, (std::vector<std::string>{"solutions:off", "clearFound", "repaint", "score:0", "entry:on",
                                                       "endGame:on", "timer:stop", "time:--:--", "picksCleared"}));
    handIn("ab");
    displayEvents.clear();
    tick(200);
    EXPECT_TRUE(displayEvents.empty());
    EXPECT_EQ(gameState.secondsLeft, 0);
    EXPECT_EQ(gameState.gameKind, UNTIMED_GAME);
    endRunningGame();
    EXPECT_EQ(displayEvents,
              (std::vector<std::string>{"timer:stop", "entry:off", "endGame:off", "solutions:on",
                                        "closing: You got 1 out of 4\r\nUntimed games do not enter the high scores.",
                                        "unofferedScore:1"}));
}

TEST_F(GameLife, LeavingStopsTheCountdownAndATickAlreadyPostedEndsNoGame)
{
    startNewGame();
    tick(179);
    displayEvents.clear();
    stopCountdownForLeaving();
    tick(1);
    EXPECT_EQ(displayEvents, std::vector<std::string>{"timer:stop"});
    EXPECT_EQ(gameState.secondsLeft, 1);
}

TEST_F(GameLife, TickBeforeAnyGameShowsNothing)
{
    tick(1);
    EXPECT_TRUE(displayEvents.empty());
}

TEST_F(GameLife, NewGameDuringAGameStartsAfreshWithoutAClosingMessage)
{
    startNewGame();
    handIn("ab");
    tick(30);
    startNewGame();
    EXPECT_EQ(gameState.score, 0);
    EXPECT_EQ(gameState.enteredCount, 0);
    EXPECT_EQ(wordAt(gameState.enteredList, 0), " ");
    EXPECT_EQ(gameState.secondsLeft, 180);
    EXPECT_TRUE(eventsStartingWith("closing:").empty());
    handIn("AB");
    EXPECT_EQ(gameState.score, 1) << "a word from the dropped game counts again";
}

TEST_F(GameLife, NewGameAfterTheEndKeepsTheFieldTextButClearsThePicks)
{
    startNewGame();
    tick(180);
    fakeWordField = "AB";
    gameState.picked[0] = 1;
    displayEvents.clear();
    startNewGame();
    EXPECT_EQ(fakeWordField, "AB");
    EXPECT_EQ(gameState.picked[0], 0);
    EXPECT_TRUE(eventsStartingWith("time:").empty()) << "the time display waits for the first tick";
}

TEST_F(GameLife, EmptyDictionaryTallyIsZeroOutOfZero)
{
    useDictionary({});
    startNewGame();
    tick(180);
    EXPECT_EQ(eventsStartingWith("closing:"), std::vector<std::string>{"closing: You got 0 out of 0"});
    EXPECT_EQ(eventsStartingWith("finishedScore:"), std::vector<std::string>{"finishedScore:0"});
    EXPECT_EQ(solutionsTally(), "You found 0 of 0");
    EXPECT_TRUE(solutionLines().empty());
}

TEST_F(GameLife, FinishedScoreIsHandedOverEvenWhenANewGameStartsWhileTheBoxIsShown)
{
    startNewGame();
    handIn("ab");
    handIn("abba");
    handIn("aa");
    whileClosingMessageShown = [] { startNewGame(); };
    tick(180);
    EXPECT_EQ(gameState.score, 0) << "the new game is running";
    EXPECT_EQ(eventsStartingWith("finishedScore:"), std::vector<std::string>{"finishedScore:3"});
}

TEST_F(GameLife, DoubleClickAfterTheEndStillScores)
{
    startNewGame();
    tick(180);
    fakeWordField = "ba";
    submitWord(SUBMIT_DOUBLE_CLICK);
    EXPECT_EQ(gameState.score, 1);
    EXPECT_EQ(eventsStartingWith("score:").back(), "score:1");
}

TEST(GameStateAtStart, EverythingIsEmptyAndNoBoardIsDealt)
{
    GameState fresh;
    EXPECT_EQ(fresh.solutionCount, 0);
    EXPECT_EQ(fresh.enteredCount, 0);
    EXPECT_EQ(fresh.score, 0);
    EXPECT_EQ(fresh.secondsLeft, 0);
    EXPECT_FALSE(fresh.boardDealt);
    for (int cell = 0; cell < TILE_COUNT; ++cell) {
        EXPECT_EQ(fresh.board[cell], 0);
        EXPECT_EQ(fresh.tileLetters[cell], 0);
    }
    EXPECT_EQ(fresh.dictionary.ends.capacity(), 0u) << "no word list costs memory before its first word";
    EXPECT_EQ(fresh.dictionary.bytes.capacity(), 0u);
}

} // namespace
