// The About box and the help document.
#pragma once

#include <windows.h>

extern const char VERSION_TEXT[];

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Hands "Lettro.chm", in the working folder, to the shell.
void openHelp(HWND hwnd);
