// Building a word by picking tiles on the board, with the mouse or from the board control.
#pragma once

#include <windows.h>

enum PickSource { PICKED_BY_CLICK, PICKED_FROM_BOARD };

// A click at client pixel (x, y) of the main window: an unpicked tile appends its letter to the
// word field; a picked tile takes its letter back when the word ends with it.
void pickTile(int x, int y);

// Backspace on the board: the tile picked last is taken back by the same rules ("No letter picked"
// while none is).
void takeBackLastPick();

// `tile` picked or taken back by the same rules, told to screen readers with the word so far. A
// click hands the focus to the word field; a pick from the board control or a screen reader
// leaves it where it is.
void pickCell(int tile, PickSource source);
