// Keeping every earned score: offered after the closing box, entered and saved when the program ends.
#include "ui/score_keeping.h"

#include <vector>

#include "scores/enter_name_dialog.h"
#include "scores/high_score_table.h"
#include "scores/save_failure_report.h"
#include "ui/child_dialogs.h"
#include "ui/game_keys.h"
#include "ui/resources/resource_ids.h"

namespace {

// The scores of the closing boxes on screen, the box shown first at the front: a New Game started
// while one box is shown can end under it and show a box of its own.
std::vector<int> heldScores;

const int SESSION_END_SAVE_ATTEMPTS = 5;
const DWORD SESSION_END_SAVE_PAUSE_MS = 200;

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
    enterOpenNames();
}

} // namespace

std::size_t holdFinishedScore(int finishedScore)
{
    heldScores.push_back(finishedScore);
    return heldScores.size() - 1;
}

void offerHeldScore(std::size_t held)
{
    if (held >= heldScores.size()) {
        return;
    }
    int finishedScore = heldScores[held];
    heldScores.erase(heldScores.begin() + static_cast<std::ptrdiff_t>(held));
    if (scoreQualifies(finishedScore)) {
        openChildDialog(IDD_ENTER_NAME, enterNameDialogProc, static_cast<LPARAM>(finishedScore));
        guardKeysFromNow();
    }
}

void leaveProgram(HWND mainDialog)
{
    enterOwedScores();
    saveHighScoresOrReport(mainDialog);
    EndDialog(mainDialog, 0);
}

void leaveAtSessionEnd(HWND mainDialog)
{
    enterOwedScores();
    for (int attempt = 1; !saveHighScores() && attempt < SESSION_END_SAVE_ATTEMPTS; ++attempt) {
        Sleep(SESSION_END_SAVE_PAUSE_MS);
    }
    EndDialog(mainDialog, 0);
}
