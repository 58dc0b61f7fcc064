// The board as a control: in the Tab order after Submit, it takes the arrow keys and Space, and
// passes every click through to the main window's tile picking.
#pragma once

#include <windows.h>

// The tile under the focus mark, in reading order (row * 4 + column); top-left at start.
extern int focusTile;

// Lays the control exactly over the painted tiles, whose places are in pixels, not dialog units;
// the focus mark starts top-left.
void placeBoardControl();

bool boardHasFocus();

// The board takes the focus from the first deal on: before it there is nothing to pick or read.
void enableBoard();

// Draws the focus mark on a paint of the main window's client area while the board has the focus.
void drawFocusMark(HDC target);
