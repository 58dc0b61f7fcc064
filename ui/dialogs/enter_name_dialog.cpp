// The "Enter Name" dialog: OK is the only way out, so a qualifying score is always entered.
#include "ui/dialogs/enter_name_dialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "scores/high_score_table.h"
#include "ui/board/board_on_screen.h"
#include "ui/common/ui_state.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/dialogs/name_text.h"
#include "ui/dialogs/save_failure_report.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/control_names.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

const char NO_LONGER_QUALIFIES_TITLE[] = "Lettro";

// The name dialogs on screen: two games can each have earned a place before either was named.
std::vector<HWND> openNameDialogs;

std::string nameTyped(HWND dialog)
{
    HWND nameField = GetDlgItem(dialog, IDC_NAME_FIELD);
    int length = GetWindowTextLengthA(nameField);
    std::string name(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(nameField, &name[0], length + 1);
    return wholeCharactersOf(name.c_str(), HIGH_SCORE_NAME_LENGTH, GetACP());
}

int scoreOf(HWND dialog)
{
    return static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

// The deals counted when the game's closing box appeared, kept in the dialog's own slot (DWLP_USER).
unsigned dealsWhenShown(HWND dialog)
{
    return static_cast<unsigned>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// Taken off the list first, so that an ending of the program meanwhile cannot enter it twice.
void forgetNameDialog(HWND dialog)
{
    openNameDialogs.erase(std::remove(openNameDialogs.begin(), openNameDialogs.end(), dialog), openNameDialogs.end());
}

// Another game's name, entered while this dialog stood open, can have taken the last place
// this score would have had: the player is told rather than the name silently dropped.
void tellScoreNoLongerQualifies(HWND dialog, int finishedScore)
{
    std::string text = "Your score of " + std::to_string(finishedScore) + " no longer makes the high-score table.";
    MessageBoxA(dialog, text.c_str(), NO_LONGER_QUALIFIES_TITLE, MB_OK | MB_ICONINFORMATION);
}

// The entry reaches the file at once: a crash or a second copy of the game must not lose it. The
// board takes the focus, unless a game has been dealt since the closing box appeared: the player is
// in that game.
void enterName(HWND dialog)
{
    forgetNameDialog(dialog);
    int finishedScore = scoreOf(dialog);
    int place = placeForScore(finishedScore);
    bool entered = enterHighScore(nameTyped(dialog).c_str(), finishedScore);
    if (!entered) {
        tellScoreNoLongerQualifies(dialog, finishedScore);
    }
    closeChildDialog(dialog, dealsWhenShown(dialog) == dealCount ? boardWindow() : nullptr);
    if (entered) {
        announceOnceSettled(mainWindow, IDC_TIME_ANNOUNCER, savedInPlace(place));
        saveHighScoresOrReport(mainWindow);
    }
}

// The field has the focus; the score and the place it will take are told once the dialog has
// settled, so that the reader does not cut them off.
void promptForName(HWND dialog, int finishedScore)
{
    SetFocus(GetDlgItem(dialog, IDC_NAME_FIELD));
    addAnnouncerUnder(dialog, IDC_NAME_OK, IDC_NAME_ANNOUNCER);
    announceOnceSettled(dialog, IDC_NAME_ANNOUNCER, nameEntryPrompt(finishedScore, placeForScore(finishedScore)));
}

} // namespace

INT_PTR CALLBACK enterNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, GWLP_USERDATA, static_cast<LONG_PTR>(lParam));
        openNameDialogs.push_back(dialog);
        SendDlgItemMessageA(dialog, IDC_NAME_FIELD, EM_LIMITTEXT, HIGH_SCORE_NAME_LENGTH, 0);
        nameControls(dialog, IDD_ENTER_NAME);
        promptForName(dialog, static_cast<int>(lParam));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_NAME_OK) {
            enterName(dialog);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HWND openNameEntry(int finishedScore, unsigned dealsWhenBoxShown)
{
    HWND dialog = openChildDialog(IDD_ENTER_NAME, enterNameDialogProc, static_cast<LPARAM>(finishedScore));
    if (dialog != nullptr) {
        SetWindowLongPtrA(dialog, DWLP_USER, static_cast<LONG_PTR>(dealsWhenBoxShown));
    }
    return dialog;
}

void enterScoresOfOpenNameDialogs()
{
    std::vector<HWND> open;
    open.swap(openNameDialogs);
    for (HWND dialog : open) {
        // A dialog destroyed some other way (a test's clean-up) has nothing left to enter.
        if (IsWindow(dialog)) {
            enterHighScore(nameTyped(dialog).c_str(), scoreOf(dialog));
            closeChildDialog(dialog);
        }
    }
}
