// Building a word by clicking tiles on the board.
#pragma once

#include <windows.h>

// A click at client pixel (x, y) of the main window `window`: an unpicked tile appends its
// letter to the word field; a picked tile takes its letter back when the word ends with it.
void pickTile(int x, int y, HWND window);
