// Handing in words: the verdicts, the found-words list, the score, and what every submission clears.
#include "engine/submission.h"

#include "engine/solver.h"
#include "tests/fakes/engine_fixture.h"

namespace {

const std::string BLANK = "status:             ";

class Submission : public EngineTest {
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        useBoard("CATSXXXXXXXXXXXX");
        useDictionary({"CAT", "CATS", "TAC", "STAC"});
        solveBoard();
    }

    void submit(const std::string& typed, SubmitPath path = SUBMIT_BUTTON)
    {
        displayEvents.clear();
        fakeWordField = typed;
        gameState.picked[3] = 1;
        submitWord(path);
    }
};

TEST_F(Submission, AcceptedWordIsListedAsTypedAndCounted)
{
    submit("cat");
    EXPECT_EQ(displayEvents, (std::vector<std::string>{"readField", BLANK, BLANK, "found:cat@0", "score:1",
                                                       "clearField", "focusField", "picksCleared"}));
    EXPECT_EQ(gameState.score, 1);
    EXPECT_EQ(wordAt(gameState.enteredList, 0), "CAT");
}

TEST_F(Submission, RepeatInAnyCaseIsAlreadyEnteredAndChangesNothingElse)
{
    submit("CAT");
    submit("Cat");
    EXPECT_EQ(displayEvents,
              (std::vector<std::string>{"readField", "status:Already Entered", "clearField", "focusField",
                                        "picksCleared"}));
    EXPECT_EQ(gameState.score, 1);
    EXPECT_EQ(gameState.enteredCount, 1);
}

TEST_F(Submission, InvalidWordIsRecordedSoItsRepeatIsAlreadyEntered)
{
    submit("dog");
    EXPECT_EQ(eventsStartingWith("status:"), (std::vector<std::string>{BLANK, "status:Invalid Word"}));
    submit("DOG");
    EXPECT_EQ(eventsStartingWith("status:"), std::vector<std::string>{"status:Already Entered"});
    EXPECT_EQ(gameState.score, 0);
    EXPECT_EQ(wordAt(gameState.enteredList, 0), "DOG");
}

TEST_F(Submission, SpacesArePartOfTheWord)
{
    submit(" CAT");
    EXPECT_EQ(eventsStartingWith("status:").back(), "status:Invalid Word");
    submit("CAT ");
    EXPECT_EQ(eventsStartingWith("status:").back(), "status:Invalid Word");
    submit("CAT");
    EXPECT_EQ(gameState.score, 1);
}

TEST_F(Submission, ThreeAcceptedWordsScrollToItemsZeroOneTwo)
{
    submit("cat");
    submit("cats");
    submit("tac");
    EXPECT_EQ(eventsStartingWith("found:"), std::vector<std::string>{"found:tac@2"});
    EXPECT_EQ(eventsStartingWith("score:"), std::vector<std::string>{"score:3"});
    EXPECT_EQ(gameState.score, 3);
}

TEST_F(Submission, EverySubmissionEmptiesTheFieldAndClearsThePicks)
{
    for (const char* word : {"cat", "cat", "nonsense"}) {
        submit(word);
        EXPECT_EQ(fakeWordField, "");
        for (char pick : gameState.picked) {
            EXPECT_EQ(pick, 0);
        }
    }
}

TEST_F(Submission, DoubleClickLeavesTheFocusAlone)
{
    submit("cats", SUBMIT_DOUBLE_CLICK);
    EXPECT_EQ(displayEvents,
              (std::vector<std::string>{"readField", BLANK, BLANK, "found:cats@0", "score:1", "clearField",
                                        "picksCleared"}));
}

TEST_F(Submission, EmptyWordBeforeAnyGameIsInvalidThenAlreadyEntered)
{
    resetGameState();
    submit("", SUBMIT_DOUBLE_CLICK);
    EXPECT_EQ(eventsStartingWith("status:").back(), "status:Invalid Word");
    submit("", SUBMIT_DOUBLE_CLICK);
    EXPECT_EQ(eventsStartingWith("status:").back(), "status:Already Entered");
}

TEST_F(Submission, ChecksReportTheirOwnVerdicts)
{
    EXPECT_FALSE(checkAlreadyEntered("stac"));
    EXPECT_TRUE(checkAlreadyEntered("STAC"));
    EXPECT_TRUE(checkValidWord("stac"));
    EXPECT_FALSE(checkValidWord("sta"));
    EXPECT_EQ(gameState.enteredCount, 1) << "the validity check records nothing";
}

TEST_F(Submission, FullEnteredListRefusesNewWordsWithoutCountingThem)
{
    for (int slot = 0; slot < WORD_LIST_CAPACITY; ++slot) {
        storeWord(gameState.enteredList, gameState.enteredCount, "W");
    }
    submit("cat");
    EXPECT_EQ(eventsStartingWith("status:"), std::vector<std::string>{"status:Already Entered"});
    EXPECT_EQ(gameState.score, 0);
    EXPECT_EQ(gameState.enteredCount, WORD_LIST_CAPACITY);
}

} // namespace
