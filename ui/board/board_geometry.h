// Where the sixteen tiles sit on the main window, in client pixels: every board module's rectangles.
#pragma once

#include <windows.h>

#include "engine/game_state.h"

constexpr int BOARD_ORIGIN = 70;
constexpr int TILE_PIXELS = 60;
constexpr int BOARD_END = BOARD_ORIGIN + BOARD_SIZE * TILE_PIXELS; // first pixel past the board

// The top-left pixel of each tile in reading order: 16 x values, then 16 y values.
extern const int tilePositions[2 * TILE_COUNT];

// The whole board, and one tile of it.
RECT boardRect();
RECT tileRect(int tile);

// The focus mark of `tile`: inside the tile's edge, clear of the next tile's.
RECT focusMarkRect(int tile);

// The tile at client pixel (x, y); false off the board.
bool tileAtPixel(int x, int y, int& tile);
