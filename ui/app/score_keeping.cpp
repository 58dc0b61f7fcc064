// Keeping every earned score: offered after the closing box, entered and saved when the program ends.
#include "ui/app/score_keeping.h"

#include <vector>

#include "engine/game_life.h"
#include "scores/file_replace.h"
#include "scores/high_score_table.h"
#include "ui/app/key_guard.h"
#include "ui/dialogs/enter_name_dialog.h"
#include "ui/dialogs/save_failure_report.h"

namespace {

// The scores of the closing boxes on screen, the box shown first at the front: a New Game started
// while one box is shown can end under it and show a box of its own.
std::vector<int> heldScores;

// Windows gives a program 5 s at the session's end before it tells the player that the program
// is holding the shutdown up: the whole save, waiting included, ends within 2 s.
const DWORD SESSION_END_DEADLINE_MS = 2000;
const DWORD SESSION_END_SAVE_PAUSE_MS = 200;
// Kept back from the lock's wait for the save itself: its replacement of the file may be tried
// again for a second, and the rest takes milliseconds.
const DWORD SESSION_END_SAVE_ALLOWANCE_MS = REPLACE_RETRY_MS + 250;

// Only the difference of two tick counts is taken: the count wraps after 49.7 days.
DWORD timeLeftOfSessionEnd(DWORD started, DWORD now)
{
    DWORD spent = now - started;
    return spent < SESSION_END_DEADLINE_MS ? SESSION_END_DEADLINE_MS - spent : 0;
}

// A held score that does not earn a place is dropped, as the offer after its box would drop it.
void enterHeldScores()
{
    for (int score : heldScores) {
        if (scoreQualifies(score)) {
            enterHighScore("", score);
        }
    }
    heldScores.clear();
}

// Every score the program still owes the table, entered before it ends.
void enterOwedScores()
{
    enterHeldScores();
    enterScoresOfOpenNameDialogs();
}

} // namespace

std::size_t holdFinishedScore(int finishedScore)
{
    heldScores.push_back(finishedScore);
    return heldScores.size() - 1;
}

void offerHeldScore(std::size_t held, unsigned dealsWhenBoxShown)
{
    if (held >= heldScores.size()) {
        return;
    }
    int finishedScore = heldScores[held];
    heldScores.erase(heldScores.begin() + static_cast<std::ptrdiff_t>(held));
    if (scoreQualifies(finishedScore)) {
        guardNameEntry(openNameEntry(finishedScore, dealsWhenBoxShown));
    }
}

void leaveProgram(HWND mainDialog)
{
    stopCountdownForLeaving();
    enterOwedScores();
    saveHighScoresOrReport(mainDialog);
    EndDialog(mainDialog, 0);
}

void leaveAtSessionEnd(HWND mainDialog)
{
    DWORD started = GetTickCount();
    stopCountdownForLeaving();
    enterOwedScores();
    // Another program may hold the file for a moment: tried again while the deadline allows.
    while (saveHighScores(sessionEndLockWait(started, GetTickCount())) != 0 &&
           sessionEndAllowsAnotherTry(started, GetTickCount())) {
        Sleep(SESSION_END_SAVE_PAUSE_MS);
    }
    EndDialog(mainDialog, 0);
}

DWORD sessionEndLockWait(DWORD started, DWORD now)
{
    DWORD left = timeLeftOfSessionEnd(started, now);
    return left > SESSION_END_SAVE_ALLOWANCE_MS ? left - SESSION_END_SAVE_ALLOWANCE_MS : 0;
}

bool sessionEndAllowsAnotherTry(DWORD started, DWORD now)
{
    return timeLeftOfSessionEnd(started, now) > SESSION_END_SAVE_PAUSE_MS + SESSION_END_SAVE_ALLOWANCE_MS;
}
