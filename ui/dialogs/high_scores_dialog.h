// The "High Scores" dialog: the ten slots of the table, best at the top.
#pragma once

#include <windows.h>

INT_PTR CALLBACK highScoresDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
