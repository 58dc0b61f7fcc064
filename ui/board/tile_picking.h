// Building a word by picking tiles on the board, with the mouse or from the board control.
#pragma once

#include <windows.h>

enum PickSource { PICKED_BY_CLICK, PICKED_FROM_BOARD };

// Backspace on the board: the tile picked last is taken back by the same rules ("No letter picked"
// while none is).
void takeBackLastPick();

// `tile` picked or taken back: an unpicked tile appends its letter to the word field; a picked
// tile takes its letter back when the word ends with it. Told to screen readers with the word so
// far. A click (or a slide, ui/board/tile_tracing.h) hands the focus to the word field; a pick
// from the board control or a screen reader leaves it where it is.
void pickCell(int tile, PickSource source);
