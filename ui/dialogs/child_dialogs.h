// Child dialogs: modeless, owned by the main window, which takes no input while one is open.
#pragma once

#include <windows.h>

// Disables the main window and opens the dialog; enables it again at once if the dialog
// cannot be created, so a failure never leaves the game unusable. Returns the dialog, or null.
HWND openChildDialog(int templateId, DLGPROC procedure, LPARAM parameter);

bool anyChildDialogOpen();

// The open child dialog that `window` belongs to, or null.
HWND openChildDialogOf(HWND window);

// The closing box of a game has closed: the board takes the focus, so
// that the player can read the ended board or press F2, unless a game has been dealt since the box
// appeared (`dealsWhenShown`, dealCount then), which the player is playing, or a child dialog is
// open. Otherwise the focus stays where the player has it.
void focusBoardAfterGameEndBox(unsigned dealsWhenShown);

// Ends the dialog and gives the main window its input back. The focus goes to the newest child
// dialog still open; with none, to `focusTarget` when it can take it, else to the control of the
// main window that the player left for the dialogs, else to the board or the first Tab stop.
void closeChildDialog(HWND dialog, HWND focusTarget = nullptr);

// The main window has been activated or given the focus while a child dialog keeps it disabled: the
// focus goes back to the newest open child dialog, and true is returned. False otherwise.
bool returnFocusToOpenDialog();

// The OK button (IDOK), Escape (IDCANCEL) and WM_CLOSE close the High Scores, About and Solutions
// dialogs: closes the dialog for those and returns TRUE; any other command is left alone and
// returns FALSE.
INT_PTR closeOnOkOrClose(HWND dialog, UINT message, WPARAM wParam);
