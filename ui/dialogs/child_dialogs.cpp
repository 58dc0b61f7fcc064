// Opening and closing the modeless child dialogs of the main window.
#include "ui/dialogs/child_dialogs.h"

#include <algorithm>
#include <vector>

#include "ui/board/board_control.h"
#include "ui/common/ui_state.h"

namespace {

std::vector<HWND> openChildren;

// A dialog destroyed some other way (the process's end, a test) is forgotten here.
void forgetDestroyedChildren()
{
    openChildren.erase(
        std::remove_if(openChildren.begin(), openChildren.end(), [](HWND child) { return !IsWindow(child); }),
        openChildren.end());
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
void closeChildDialog(HWND dialog)
{
    openChildren.erase(std::remove(openChildren.begin(), openChildren.end(), dialog), openChildren.end());
    EndDialog(dialog, 0);
    EnableWindow(mainWindow, TRUE);
    DestroyWindow(dialog);
}

INT_PTR closeOnOkOrClose(HWND dialog, UINT message, WPARAM wParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) != IDOK) {
        return FALSE;
    }
    closeChildDialog(dialog);
    return TRUE;
}
