// The main window: one dialog whose procedure routes every message to the game.
#pragma once

#include <windows.h>

INT_PTR CALLBACK mainDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
