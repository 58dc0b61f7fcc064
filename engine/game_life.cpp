// New Game, New Untimed Game, the countdown and the end of a game.
#include "engine/game_life.h"

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
const char UNTIMED_TIME_TEXT[] = "--:--";
const char UNTIMED_CLOSING_LINE[] = "\r\nUntimed games do not enter the high scores.";
// The tally with both scores at their longest (11 characters each) and the untimed line.
const int CLOSING_TEXT_ROOM = 96;

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

// A timed game counts down from its full time, which the display shows at once only where an
// untimed game left "--:--" (else the first tick writes it); an untimed game has no countdown, and
// a timed game's timer, should one be running, stops.
void startClock(GameKind kind)
{
    gameState.gameKind = kind;
    if (kind == TIMED_GAME) {
        startCountdownTimer();
        gameState.secondsLeft = GAME_SECONDS;
        if (gameState.untimedTimeShown) {
            showTimeLeft();
        }
    } else {
        stopCountdownTimer();
        gameState.secondsLeft = 0;
        showTime(UNTIMED_TIME_TEXT);
    }
    gameState.untimedTimeShown = kind == UNTIMED_GAME;
}

// Both kinds of game are dealt, solved and started afresh alike; only their clocks differ.
void startGame(GameKind kind)
{
    enableSolutions(false);
    clearFoundWords();
    dealBoard();
    solveBoard();
    gameState.score = 0;
    showScore("0");
    gameState.boardDealt = true;
    enableWordEntry(true);
    enableEndGame(true);
    startClock(kind);
    forgetEnteredWords();
    std::memset(gameState.picked, 0, sizeof gameState.picked);
    showPicksCleared();
}

} // namespace

void startNewGame()
{
    startGame(TIMED_GAME);
}

void startUntimedGame()
{
    startGame(UNTIMED_GAME);
}

void countdownTick()
{
    // KillTimer leaves a tick already posted in the queue: one that arrives after its game has
    // ended, after an untimed game has been dealt, or once the program has begun to end, shows
    // nothing and ends nothing.
    if (gameState.gameKind != TIMED_GAME || gameState.leaving) {
        return;
    }
    --gameState.secondsLeft;
    showTimeLeft();
    if (gameState.secondsLeft == 0) {
        endGame();
    }
}

void endRunningGame()
{
    if (gameState.gameKind == NO_GAME || gameState.leaving) {
        return;
    }
    if (gameState.gameKind == TIMED_GAME) {
        gameState.secondsLeft = 0;
        showTimeLeft();
    }
    endGame();
}

void endGame()
{
    bool untimed = gameState.gameKind == UNTIMED_GAME;
    gameState.gameKind = NO_GAME;
    stopCountdownTimer();
    enableWordEntry(false);
    enableEndGame(false);
    // The closing box lets the player start a New Game meanwhile; the table gets this game's score.
    int finishedScore = gameState.score;
    rememberEndedGame(finishedScore);
    // Offered before the box, so that a New Game started while it is shown withdraws it again.
    enableSolutions(true);
    char closingText[CLOSING_TEXT_ROOM];
    std::snprintf(closingText, sizeof closingText, " You got %d out of %d%s", finishedScore, gameState.solutionCount,
                  untimed ? UNTIMED_CLOSING_LINE : "");
    // The high scores compare three-minute games: an untimed game's score is never offered.
    showClosingMessage(closingText, finishedScore, !untimed);
}

void stopCountdownForLeaving()
{
    gameState.leaving = true;
    stopCountdownTimer();
}
