// The "Enter Name" dialog: the player names a score that earned a place in the table.
#pragma once

#include <windows.h>

// Opened with the finished game's score as its creation parameter.
INT_PTR CALLBACK enterNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
