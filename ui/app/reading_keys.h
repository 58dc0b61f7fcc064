// The keys that read the game aloud, on the time announcer, in the main window, its child dialogs
// and the closing box: Ctrl+B reads the board row by row, Ctrl+N the letters next to the last
// letter picked.
#pragma once

#include <windows.h>

// True when `message` is one of these keys (its repeats included, which say nothing), so that it
// goes no further. Ctrl chords that an edit field uses itself (A, C, V, X, Z, Backspace) are left
// alone.
bool takeReadingKey(const MSG* message);

// "Row 1: A P O U. Row 2: …", or "No game running" before the first deal.
void readBoardAloud();

// "Next to T: A row 1 column 2, O row 2 column 1, in your word, …", or "No letter picked".
void readNeighboursAloud();
