// The About box.
#pragma once

#include <windows.h>

extern const char VERSION_TEXT[];

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

