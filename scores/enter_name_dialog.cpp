// The "Enter Name" dialog: OK is the only way out, so a qualifying score is always entered.
#include "scores/enter_name_dialog.h"

#include <string>

#include "scores/high_score_table.h"
#include "ui/child_dialogs.h"
#include "ui/resources/resource_ids.h"

namespace {

const char NO_LONGER_QUALIFIES_TITLE[] = "Lettro";

std::string nameTyped(HWND nameField)
{
    int length = GetWindowTextLengthA(nameField);
    std::string name(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(nameField, &name[0], length + 1);
    return std::string(name.c_str());
}

// Another game's name, entered while this dialog stood open, can have taken the last place
// this score would have had: the player is told rather than the name silently dropped.
void tellScoreNoLongerQualifies(HWND dialog, int finishedScore)
{
    std::string text = "Your score of " + std::to_string(finishedScore) + " no longer makes the high-score table.";
    MessageBoxA(dialog, text.c_str(), NO_LONGER_QUALIFIES_TITLE, MB_OK | MB_ICONINFORMATION);
}

void enterName(HWND dialog, HWND nameField)
{
    int finishedScore = static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (!enterHighScore(nameTyped(nameField).c_str(), finishedScore)) {
        tellScoreNoLongerQualifies(dialog, finishedScore);
    }
    closeChildDialog(dialog);
}

} // namespace

INT_PTR CALLBACK enterNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND nameField = GetDlgItem(dialog, IDC_NAME_FIELD);
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, GWLP_USERDATA, static_cast<LONG_PTR>(lParam));
        SetFocus(nameField);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_NAME_OK) {
            enterName(dialog, nameField);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
