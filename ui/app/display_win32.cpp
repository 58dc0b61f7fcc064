// The engine's window operations, carried out on the main window's controls.
#include <windows.h>

#include "engine/display.h"
#include "engine/game_life.h"
#include "engine/game_state.h"
#include "ui/app/game_announcements.h"
#include "ui/app/key_guard.h"
#include "ui/app/score_keeping.h"
#include "ui/board/board_accessibility.h"
#include "ui/board/board_control.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/common/ui_state.h"
#include "ui/common/word_field.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"

// A verdict is shown while the word it judges is still in the field: the announcement names it.
void showStatus(const char* text)
{
    SendMessageA(statusLine, EM_SETSEL, 0, -1);
    SendMessageA(statusLine, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
    announceVerdict(text, readWordField());
}

void clearFoundWords()
{
    SendDlgItemMessageA(mainWindow, IDC_FOUND_WORDS, LB_RESETCONTENT, 0, 0);
}

void addFoundWord(const char* word, int index)
{
    SendDlgItemMessageA(mainWindow, IDC_FOUND_WORDS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word));
    // The list has no selection (LBS_NOSEL), so it refuses a caret; scrolling it so that the word
    // is at the top, or as near as the list's end allows, works on every list box.
    SendDlgItemMessageA(mainWindow, IDC_FOUND_WORDS, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    announceFoundWord(word, index + 1);
}

void showScore(const char* text)
{
    SetDlgItemTextA(mainWindow, IDC_SCORE_DISPLAY, text);
}

void showTime(const char* text)
{
    SetDlgItemTextA(mainWindow, IDC_TIME_DISPLAY, text);
    announceTimeLeft(gameState.secondsLeft);
}

std::string readWordField()
{
    return wordFieldText();
}

void clearWordField()
{
    SetDlgItemTextA(mainWindow, IDC_WORD_FIELD, "");
}

// A word handed in with Enter from the board leaves the focus there, for the next word's picks.
void focusWordField()
{
    if (!boardHasFocus()) {
        SetFocus(GetDlgItem(mainWindow, IDC_WORD_FIELD));
    }
}

// A game's start brings the focus to the word field, unless the player is reading the board.
void enableWordEntry(bool enabled)
{
    HWND wordField = GetDlgItem(mainWindow, IDC_WORD_FIELD);
    EnableWindow(wordField, enabled ? TRUE : FALSE);
    EnableWindow(GetDlgItem(mainWindow, IDC_SUBMIT), enabled ? TRUE : FALSE);
    if (enabled && !boardHasFocus()) {
        SetFocus(wordField);
    }
}

void startCountdownTimer()
{
    SetTimer(mainWindow, COUNTDOWN_TIMER_ID, COUNTDOWN_PERIOD_MS, nullptr);
}

void stopCountdownTimer()
{
    KillTimer(mainWindow, COUNTDOWN_TIMER_ID);
}

// No owner: the main window stays usable while the box is shown, so the program can even end
// meanwhile; an offered score is held meanwhile so that an ending enters it.
void showClosingMessage(const char* text, int finishedScore, bool offerScore)
{
    std::size_t held = offerScore ? holdFinishedScore(finishedScore) : 0;
    unsigned dealsWhenShown = dealCount;
    int guard = guardClosingBox();
    announceGameEnd(text);
    MessageBoxA(nullptr, text, CLOSING_TITLE, MB_OK);
    announceWhatIsHeld();
    endClosingBoxGuard(guard);
    if (offerScore) {
        offerHeldScore(held, dealsWhenShown);
    }
    focusBoardAfterGameEndBox(dealsWhenShown);
}

// Withdrawn at New Game: the marks of a word of the ended board go with it.
void enableSolutions(bool enabled)
{
    if (!enabled) {
        clearSolutionPath();
    }
    EnableMenuItem(GetMenu(mainWindow), IDM_SOLUTIONS, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void enableEndGame(bool enabled)
{
    EnableMenuItem(GetMenu(mainWindow), IDM_END_GAME, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void showPicksCleared()
{
    forgetClearedPicks();
}

// Called at every deal: from the first one on, the board can take the focus.
void requestBoardRepaint()
{
    ++dealCount;
    enableBoard();
    InvalidateRect(mainWindow, nullptr, FALSE);
    raiseNewBoard();
}
