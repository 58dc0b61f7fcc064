// Where the board is on screen and how it is redrawn: the board control's window, every
// rectangle of the board in the main window's client pixels (scaled to the window's DPI), the
// focus mark's one drawing, repaints, and the board's events for screen readers.
#pragma once

#include <windows.h>

#include "engine/game_state.h"

// The board control's window, null while the main window is not open.
HWND boardWindow();
bool boardHasFocus();

// ---- Geometry ----
// At 96 dots an inch the board fills BASE_BOARD_PLACE, sixteen tiles of BASE_TILE_PIXELS. At any
// other DPI that place is scaled across and down as the dialog is (see dialog_scale.h), so that
// the board keeps its place among the controls the dialog manager lays out; the tiles stay
// square, scaled by the smaller of the two, and the board they make sits centred in the place.

// A tile's side, and the board's place, at 96 dots an inch.
constexpr int BASE_TILE_PIXELS = 60;
constexpr RECT BASE_BOARD_PLACE = {70, 70, 70 + BOARD_SIZE * BASE_TILE_PIXELS, 70 + BOARD_SIZE * BASE_TILE_PIXELS};

// `pixels` at 96 dots an inch, scaled as the tiles are: what is drawn on a tile (its marks) grows
// with it.
int boardPixels(int pixels);

// The side of one tile.
int tilePixels();

// The whole board, and one tile of it.
RECT boardRect();
RECT tileRect(int tile);

// The focus mark of `tile`: inside the tile's edge, clear of the next tile's.
RECT focusMarkRect(int tile);

// The badge in a marked tile's top-left corner that shows its place in the word, relative to the
// tile's own top-left corner.
RECT placeBadgeRect();

// The tile at client pixel (x, y); false off the board.
bool tileAtPixel(int x, int y, int& tile);

// The tile whose inner part holds client pixel (x, y): its middle two thirds each way, so that a
// pointer sliding past the corner where four tiles meet catches none of them. False elsewhere.
bool tileInnerPartAtPixel(int x, int y, int& tile);

// Lays the board control exactly over the painted tiles: at start-up, and again once the dialog
// manager has laid the controls out for a new DPI.
void fitBoardControl();

// ---- Redrawing ----
// Each function is told what changed and reads nothing of the board's view, so that the view's
// writer can call them.

// Paint again, from the next paint on: the whole board, or one tile.
void repaintBoard();
void repaintTile(int tile);

// The focus mark of `tile` drawn on `target` by inverting pixels: drawn twice, it is gone again.
// At 100 % it is the system's focus rectangle; larger, a dotted frame of the same kind, as wide as
// the system's focus border grown with the tiles. On a tile that shows its place in a word
// (`besideBadge`), it leaves the badge's corner free, so that the mark never runs across the number.
void drawFocusMark(HDC target, int tile, bool besideBadge);

// The same at once on the main window. Not left to a repaint: one queued as the board loses the
// focus would run after it had gone.
void invertFocusMark(int tile, bool besideBadge);

// An event of the board's table (CHILDID_SELF), or of the cell of `tile`.
void raiseTableEvent(DWORD event);
void raiseCellEvent(DWORD event, int tile);
