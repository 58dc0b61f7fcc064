// Showing a change of the board on screen and telling screen readers of it. Each function is told
// what changed and reads nothing of the board's view, so that the view's writer can call them.
#pragma once

#include <windows.h>

// Paint again, from the next paint on: the whole board, or one tile.
void repaintBoard();
void repaintTile(int tile);

// Draws the focus mark of `tile` at once, by inverting pixels: drawn twice, it is gone again.
// Not left to a repaint: one queued as the board loses the focus would run after it had gone.
void invertFocusMark(int tile);

// An event of the board's table (CHILDID_SELF), or of the cell of `tile`.
void raiseTableEvent(DWORD event);
void raiseCellEvent(DWORD event, int tile);
