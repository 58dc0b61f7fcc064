// Opening and closing the modeless child dialogs of the main window.
#include "ui/child_dialogs.h"

#include "ui/ui_state.h"

void openChildDialog(int templateId, DLGPROC procedure, LPARAM parameter)
{
    EnableWindow(mainWindow, FALSE);
    HWND dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(templateId), mainWindow, procedure, parameter);
    if (dialog == nullptr) {
        EnableWindow(mainWindow, TRUE);
    }
}

// A modeless dialog is only hidden by EndDialog; destroying it keeps closed dialogs from piling up.
void closeChildDialog(HWND dialog)
{
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
