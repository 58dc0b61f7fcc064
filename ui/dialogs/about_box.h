// The About box and the help document.
#pragma once

#include <windows.h>

extern const char VERSION_TEXT[];

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Hands "Lettro.chm", beside the exe, to the shell; a failure is told with the file's full name and why.
void openHelp(HWND hwnd);
