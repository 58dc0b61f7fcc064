// Escape in the main window drops the word being built.
#pragma once

// While a word can be entered: empties the word field, clears every pick as a hand-in does (with
// the same events for screen readers) and announces "Word cleared". Otherwise it does nothing.
void clearWordOnEscape();
