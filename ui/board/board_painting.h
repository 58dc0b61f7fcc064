// The tile bitmaps, loaded once at start-up, and painting the dealt board with them.
#pragma once

#include <windows.h>

#include "engine/deal.h"

// Slot i holds the image of letterOrder[i]; a slot whose load failed holds null.
extern HBITMAP (&tileBitmaps)[LETTER_COUNT];

// Loads the 26 images in letterOrder order; each one missing gets its own error box.
void loadTileBitmaps();

// The body of WM_PAINT while a board is dealt. It never moves the focus: a repaint (a settings
// change, a window uncovered) must not pull a keyboard player away from where they are.
void paintBoard(HWND hwnd);

// Begins a paint of `hwnd` with a memory context ready for drawTile; endTilePaint finishes it.
HDC beginTilePaint(HWND hwnd);
void endTilePaint(HWND hwnd);

// Draws the image of slot `slot` shrunk to a tile of `side` pixels at (x, y), or the bare letter if
// it has none.
void drawTile(HDC target, int slot, int x, int y, int side);
