// The "High Scores" dialog: reads the file afresh, sorts the table, then shows all ten slots,
// slot 9 in the top row; the keyboard goes by rank.
#include "ui/dialogs/high_scores_dialog.h"

#include <cstring>
#include <string>

#include "scores/high_score_table.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/control_names.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

void showSlots(HWND dialog)
{
    for (int slot = 0; slot < HIGH_SCORE_SLOTS; ++slot) {
        const char* name = highScoreTable.highScoreNames[slot];
        std::string shown(name, strnlen(name, HIGH_SCORE_NAME_LENGTH));
        SetDlgItemTextA(dialog, IDC_SCORE_NAME_FIRST + 2 * slot, shown.c_str());
        SetDlgItemInt(dialog, IDC_SCORE_VALUE_FIRST + 2 * slot,
                      static_cast<UINT>(highScoreTable.highScoreScores[slot]), TRUE);
    }
}

void removeTabStop(HWND control)
{
    LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    SetWindowLongPtrA(control, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

// The template puts OK first and the empty rows at the top; the keyboard goes by rank instead:
// OK moves to the end of the tab order (and of the order in which a reader walks the dialog's
// objects, where it now comes after the rows it is drawn below), the rows without an entry are no
// Tab stops, and Tab goes from Place 1 (the highest slot in use) down to the last entry, each name
// before its score, then to OK. The focus starts on Place 1's name; over an empty table it is on
// OK, and a reader is told that the table is empty.
void arrangeForKeyboard(HWND dialog)
{
    HWND ok = GetDlgItem(dialog, IDOK);
    SetWindowPos(ok, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (int slot = highScoreTable.highScoreCount; slot < HIGH_SCORE_SLOTS; ++slot) {
        removeTabStop(GetDlgItem(dialog, IDC_SCORE_NAME_FIRST + 2 * slot));
        removeTabStop(GetDlgItem(dialog, IDC_SCORE_VALUE_FIRST + 2 * slot));
    }
    if (highScoreTable.highScoreCount > 0) {
        SetFocus(GetDlgItem(dialog, IDC_SCORE_NAME_FIRST + 2 * (highScoreTable.highScoreCount - 1)));
        return;
    }
    SetFocus(ok);
    addAnnouncerUnder(dialog, IDOK, IDC_HIGH_SCORES_ANNOUNCER);
    announceOnceSettled(dialog, IDC_HIGH_SCORES_ANNOUNCER, NO_HIGH_SCORES_YET);
}

} // namespace

INT_PTR CALLBACK highScoresDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        refreshHighScoresFromFile();
        sortHighScores();
        showSlots(dialog);
        nameControls(dialog, IDD_HIGH_SCORES);
        arrangeForKeyboard(dialog);
        return FALSE;
    case WM_COMMAND:
    case WM_CLOSE:
        return closeOnOkOrClose(dialog, message, wParam);
    case WM_SETTEXT:
        return TRUE;
    default:
        return FALSE;
    }
}
