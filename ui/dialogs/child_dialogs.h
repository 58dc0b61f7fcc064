// Child dialogs: modeless, owned by the main window, which takes no input while one is open.
#pragma once

#include <windows.h>

// Disables the main window and opens the dialog; enables it again at once if the dialog
// cannot be created, so a failure never leaves the game unusable. Returns the dialog, or null.
HWND openChildDialog(int templateId, DLGPROC procedure, LPARAM parameter);

bool anyChildDialogOpen();

// The open child dialog that `window` belongs to, or null.
HWND openChildDialogOf(HWND window);

// A box at a game's end (the closing box, Enter Name) has closed: the board takes the focus, so
// that the player can read the ended board or press F2, unless a game has been dealt since the box
// appeared (`dealsWhenShown`, dealCount then), which the player is playing, or a child dialog is
// open. Otherwise the focus stays where the player has it.
void focusBoardAfterGameEndBox(unsigned dealsWhenShown);

// Ends the dialog and gives the main window its input back.
void closeChildDialog(HWND dialog);

// The OK button (IDOK) and WM_CLOSE close the High Scores and About dialogs: closes the dialog
// for those and returns TRUE; any other command is left alone and returns FALSE.
INT_PTR closeOnOkOrClose(HWND dialog, UINT message, WPARAM wParam);
