// Word submission: each word is judged once per game against the board's solutions.
#include "engine/submission.h"

#include <cstdio>
#include <cstring>

#include "engine/dictionary.h"
#include "engine/display.h"
#include "engine/game_state.h"

const char ALREADY_ENTERED_TEXT[] = "Already Entered";
const char INVALID_WORD_TEXT[] = "Invalid Word";
const char BLANK_STATUS_TEXT[] = "             ";

namespace {

void acceptWord(const std::string& typed)
{
    addFoundWord(typed.c_str(), gameState.score);
    ++gameState.score;
    char scoreText[16];
    std::snprintf(scoreText, sizeof scoreText, "%d", gameState.score);
    showScore(scoreText);
}

} // namespace

bool checkAlreadyEntered(std::string word)
{
    std::string entered = upperCased(std::move(word));
    if (findWord(gameState.enteredList, gameState.enteredCount, entered) >= 0 ||
        !storeWord(gameState.enteredList, gameState.enteredCount, entered)) {
        showStatus(ALREADY_ENTERED_TEXT);
        return true;
    }
    showStatus(BLANK_STATUS_TEXT);
    return false;
}

bool checkValidWord(std::string word)
{
    std::string candidate = upperCased(std::move(word));
    if (findWord(gameState.solutionList, gameState.solutionCount, candidate) >= 0) {
        showStatus(BLANK_STATUS_TEXT);
        return true;
    }
    showStatus(INVALID_WORD_TEXT);
    return false;
}

void submitWord(SubmitPath path)
{
    std::string typed = readWordField();
    if (!checkAlreadyEntered(typed) && checkValidWord(typed)) {
        acceptWord(typed);
    }
    clearWordField();
    if (path == SUBMIT_BUTTON) {
        focusWordField();
    }
    std::memset(gameState.picked, 0, sizeof gameState.picked);
    showPicksCleared();
}
