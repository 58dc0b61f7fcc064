// The process-wide user-interface handles of the main window.
#pragma once

#include <windows.h>

// Light blue (red 150, green 150, blue 255) behind the main window and its static controls.
constexpr COLORREF BACKGROUND_COLOUR = 0x00FF9696;
constexpr UINT COUNTDOWN_PERIOD_MS = 1000;
// The caption of every box that reports something gone wrong.
constexpr char ERROR_BOX_TITLE[] = "Error";

extern HINSTANCE appInstance;
extern HWND mainWindow;
extern HWND statusLine;
extern HBRUSH backgroundBrush;
// The boards dealt since the program started: a box at a game's end compares it with its count
// when it appeared, to tell whether a game has begun meanwhile (and perhaps ended too).
extern unsigned dealCount;
