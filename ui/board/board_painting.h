// The tile bitmaps, loaded once at start-up, and painting the dealt board with them.
#pragma once

#include <windows.h>

#include "engine/deal.h"
#include "engine/solution_path.h"

// Slot i holds the image of letterOrder[i]; a slot whose load failed holds null.
extern HBITMAP tileBitmaps[LETTER_COUNT];

// Loads the 26 images in letterOrder order; each one missing gets its own error box.
void loadTileBitmaps();

// The body of WM_PAINT while a board is dealt; gives the word field the focus afterwards, unless
// the board control holds it.
void paintBoard(HWND hwnd, HWND wordField);

// The path of the word selected in Solutions, shown on the board from the next paint on: each of
// its tiles tinted and framed, with its place in the word in the top-left corner, so that a word
// that uses one letter twice reads in order. Cleared, the board shows its plain tiles again, or
// the picked tiles marked the same way (tile_picking.h).
void markSolutionPath(const SolutionPath& path);
void clearSolutionPath();

// The place in the word selected in Solutions (from 1) of the tile at `cell`, or 0 off its path.
int solutionPathPlace(int cell);

// Paint again, from the next paint on: the whole board, or the tile at `cell` (board index).
void invalidateBoard();
void repaintTile(int cell);

// Begins a paint of `hwnd` with a memory context ready for drawTile; endTilePaint finishes it.
HDC beginTilePaint(HWND hwnd);
void endTilePaint(HWND hwnd);

// Draws the image of slot `slot` shrunk to one tile at (x, y), or the bare letter if it has none.
void drawTile(HDC target, int slot, int x, int y);
