// The "Solutions" dialog: the tally line, then the board's words in the solver's order.
#include "ui/solutions_dialog.h"

#include <string>
#include <vector>

#include "engine/solutions_report.h"
#include "ui/child_dialogs.h"
#include "ui/resources/resource_ids.h"

namespace {

void showSolutions(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_SOLUTIONS_TALLY, solutionsTally().c_str());
    HWND list = GetDlgItem(dialog, IDC_SOLUTIONS_LIST);
    std::vector<std::string> lines = solutionLines();
    // Filled without a redraw per word: a board can hold thousands of them.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : lines) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

} // namespace

INT_PTR CALLBACK solutionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        showSolutions(dialog);
        return TRUE;
    case WM_COMMAND:
        // A list and one button: Escape closes it like OK.
        if (LOWORD(wParam) == IDCANCEL) {
            closeChildDialog(dialog);
            return TRUE;
        }
        return closeOnOkOrClose(dialog, message, wParam);
    case WM_CLOSE:
        return closeOnOkOrClose(dialog, message, wParam);
    default:
        return FALSE;
    }
}

// The menu item is grayed between a New Game and the end of its time; a command sent anyway
// while it is grayed is ignored, since the solutions would give the running game away.
void openSolutions(HWND hwnd)
{
    UINT state = GetMenuState(GetMenu(hwnd), IDM_SOLUTIONS, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1) || (state & MF_GRAYED) != 0) {
        return;
    }
    openChildDialog(IDD_SOLUTIONS, solutionsDialogProc, 0);
}
