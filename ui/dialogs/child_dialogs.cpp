// Opening and closing the modeless child dialogs of the main window.
#include "ui/dialogs/child_dialogs.h"

#include <algorithm>
#include <vector>

#include "ui/board/board_control.h"
#include "ui/board/board_on_screen.h"
#include "ui/common/ui_state.h"

namespace {

std::vector<HWND> openChildren;
// The main window's control that had the focus when the first of the open dialogs opened: where the
// player is taken back to when the last one closes.
HWND focusBeforeDialogs = nullptr;

// A dialog destroyed some other way (the process's end, a test) is forgotten here.
void forgetDestroyedChildren()
{
    openChildren.erase(
        std::remove_if(openChildren.begin(), openChildren.end(), [](HWND child) { return !IsWindow(child); }),
        openChildren.end());
}

HWND newestOpenChild()
{
    forgetDestroyedChildren();
    return openChildren.empty() ? nullptr : openChildren.back();
}

bool canTakeFocus(HWND control)
{
    return control != nullptr && IsWindow(control) && IsWindowEnabled(control) && IsWindowVisible(control);
}

// A control of the main window for the focus, never the bare window: `wanted`, else the control the
// player left for the dialogs, else the board, else the first Tab stop that takes it.
HWND mainWindowControlFor(HWND wanted)
{
    for (HWND control : {wanted, focusBeforeDialogs, boardWindow()}) {
        if (canTakeFocus(control) && IsChild(mainWindow, control)) {
            return control;
        }
    }
    return GetNextDlgTabItem(mainWindow, nullptr, FALSE);
}

// The dialog's own manager puts the focus back on its control when it is activated; a dialog that
// kept none gets its first Tab stop.
void focusChildDialog(HWND dialog)
{
    SetActiveWindow(dialog);
    if (GetAncestor(GetFocus(), GA_ROOT) != dialog) {
        SetFocus(GetNextDlgTabItem(dialog, nullptr, FALSE));
    }
}

} // namespace

HWND openChildDialogOf(HWND window)
{
    if (window == nullptr) {
        return nullptr;
    }
    HWND root = GetAncestor(window, GA_ROOT);
    bool isOpenChild = std::find(openChildren.begin(), openChildren.end(), root) != openChildren.end();
    return isOpenChild ? root : nullptr;
}

HWND openChildDialog(int templateId, DLGPROC procedure, LPARAM parameter)
{
    forgetDestroyedChildren();
    if (openChildren.empty()) {
        HWND focus = GetFocus();
        focusBeforeDialogs = focus != nullptr && IsChild(mainWindow, focus) ? focus : nullptr;
    }
    EnableWindow(mainWindow, FALSE);
    HWND dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(templateId), mainWindow, procedure, parameter);
    if (dialog == nullptr) {
        EnableWindow(mainWindow, TRUE);
        return nullptr;
    }
    openChildren.push_back(dialog);
    return dialog;
}

bool anyChildDialogOpen()
{
    forgetDestroyedChildren();
    return !openChildren.empty();
}

void focusBoardAfterGameEndBox(unsigned dealsWhenShown)
{
    if (dealCount == dealsWhenShown && !anyChildDialogOpen()) {
        focusBoard();
    }
}

// A modeless dialog is only hidden by EndDialog; destroying it keeps closed dialogs from piling up.
// The main window is enabled first, since the focus cannot go to a disabled window, and the focus is
// placed before the dialog goes, so that the system never leaves it on the bare main window.
void closeChildDialog(HWND dialog, HWND focusTarget)
{
    openChildren.erase(std::remove(openChildren.begin(), openChildren.end(), dialog), openChildren.end());
    EnableWindow(mainWindow, TRUE);
    HWND stillOpen = newestOpenChild();
    if (stillOpen != nullptr) {
        focusChildDialog(stillOpen);
    } else if (GetAncestor(GetFocus(), GA_ROOT) == dialog || GetFocus() == nullptr) {
        SetFocus(mainWindowControlFor(focusTarget));
    }
    EndDialog(dialog, 0);
    DestroyWindow(dialog);
}

bool returnFocusToOpenDialog()
{
    HWND newest = newestOpenChild();
    if (IsWindowEnabled(mainWindow) || newest == nullptr) {
        return false;
    }
    focusChildDialog(newest);
    return true;
}

// Escape (IDCANCEL) closes them as OK does.
INT_PTR closeOnOkOrClose(HWND dialog, UINT message, WPARAM wParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
        return FALSE;
    }
    closeChildDialog(dialog);
    return TRUE;
}
