// The "High Scores" dialog: reads the file afresh, sorts the table, then shows all ten slots,
// slot 9 in the top row.
#include "ui/dialogs/high_scores_dialog.h"

#include <cstring>
#include <string>

#include "scores/high_score_table.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/control_names.h"

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

} // namespace

INT_PTR CALLBACK highScoresDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        refreshHighScoresFromFile();
        sortHighScores();
        showSlots(dialog);
        nameControls(dialog, IDD_HIGH_SCORES);
        return TRUE;
    case WM_COMMAND:
    case WM_CLOSE:
        return closeOnOkOrClose(dialog, message, wParam);
    case WM_SETTEXT:
        return TRUE;
    default:
        return FALSE;
    }
}
