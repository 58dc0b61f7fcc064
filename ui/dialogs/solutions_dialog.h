// The "Solutions" dialog: every word of the ended game's board, the player's own marked.
#pragma once

#include <windows.h>

INT_PTR CALLBACK solutionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the dialog while the command is offered, that is from the end of a game to the next.
void openSolutions(HWND hwnd);
