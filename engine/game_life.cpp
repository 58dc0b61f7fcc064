// New Game, the countdown and the end of a game.
#include "engine/game_life.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "engine/deal.h"
#include "engine/display.h"
#include "engine/game_state.h"
#include "engine/solutions_report.h"
#include "engine/solver.h"

const char CLOSING_TITLE[] = "Congratulations";

namespace {

const int SECONDS_PER_MINUTE = 60;

void forgetEnteredWords()
{
    int overwritten = 0;
    while (overwritten < gameState.enteredCount) {
        storeWord(gameState.enteredList, overwritten, " ");
    }
    gameState.enteredCount = 0;
}

void showTimeLeft()
{
    char timeText[32];
    std::snprintf(timeText, sizeof timeText, "%d:%.2d", gameState.secondsLeft / SECONDS_PER_MINUTE,
                  gameState.secondsLeft % SECONDS_PER_MINUTE);
    showTime(timeText);
}

} // namespace

void startNewGame()
{
    enableSolutions(false);
    clearFoundWords();
    dealBoard();
    solveBoard();
    gameState.score = 0;
    showScore("0");
    gameState.boardDealt = true;
    enableWordEntry(true);
    startCountdownTimer();
    gameState.secondsLeft = GAME_SECONDS;
    forgetEnteredWords();
    std::memset(gameState.picked, 0, sizeof gameState.picked);
    showPicksCleared();
}

void countdownTick()
{
    // A tick with no game running only counts further below zero, without showing anything. It
    // stops at the lowest int: one more would overflow, which is undefined behaviour, after a
    // clock left running for 68 years. A tick that was posted before the timer stopped for the
    // program's end still arrives, and ends no game.
    if (gameState.secondsLeft == INT_MIN || gameState.leaving) {
        return;
    }
    --gameState.secondsLeft;
    if (gameState.secondsLeft >= 0) {
        showTimeLeft();
    }
    if (gameState.secondsLeft == 0) {
        endGame();
    }
}

void endGame()
{
    stopCountdownTimer();
    enableWordEntry(false);
    // The closing box lets the player start a New Game meanwhile; the table gets this game's score.
    int finishedScore = gameState.score;
    rememberEndedGame(finishedScore);
    // Offered before the box, so that a New Game started while it is shown withdraws it again.
    enableSolutions(true);
    char closingText[50];
    std::snprintf(closingText, sizeof closingText, " You got %d out of %d", finishedScore, gameState.solutionCount);
    showClosingMessage(closingText, finishedScore);
}

void stopCountdownForLeaving()
{
    gameState.leaving = true;
    stopCountdownTimer();
}
