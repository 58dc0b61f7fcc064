// Child dialogs: modeless, owned by the main window, which takes no input while one is open.
#pragma once

#include <windows.h>

// Disables the main window and opens the dialog; enables it again at once if the dialog
// cannot be created, so a failure never leaves the game unusable. Returns the dialog, or null.
HWND openChildDialog(int templateId, DLGPROC procedure, LPARAM parameter);

bool anyChildDialogOpen();

// The open child dialog that `window` belongs to, or null.
HWND openChildDialogOf(HWND window);

// Ends the dialog and gives the main window its input back.
void closeChildDialog(HWND dialog);

// The OK button (IDOK) and WM_CLOSE close the High Scores and About dialogs: closes the dialog
// for those and returns TRUE; any other command is left alone and returns FALSE.
INT_PTR closeOnOkOrClose(HWND dialog, UINT message, WPARAM wParam);
