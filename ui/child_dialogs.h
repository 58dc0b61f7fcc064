// Child dialogs: modeless, owned by the main window, which takes no input while one is open.
#pragma once

#include <windows.h>

// Disables the main window and opens the dialog; enables it again at once if the dialog
// cannot be created, so a failure never leaves the game unusable.
void openChildDialog(int templateId, DLGPROC procedure, LPARAM parameter);

// Ends the dialog and gives the main window its input back.
void closeChildDialog(HWND dialog);
