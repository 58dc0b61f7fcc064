// Where the sixteen tiles sit on the main window, in client pixels: painting and picking share it.
#pragma once

#include "engine/game_state.h"

constexpr int BOARD_ORIGIN = 70;
constexpr int TILE_PIXELS = 60;
constexpr int BOARD_END = BOARD_ORIGIN + BOARD_SIZE * TILE_PIXELS; // first pixel past the board

// The top-left pixel of each tile in reading order: 16 x values, then 16 y values.
extern const int tilePositions[2 * TILE_COUNT];
