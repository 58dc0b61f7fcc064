// Dealing a fresh board: six vowels and ten consonants, drawn at random and shuffled.
#pragma once

// Vowels first, then the consonants in alphabetical order; the tile bitmaps follow this order too.
extern const char letterOrder[];
constexpr int LETTER_COUNT = 26;
constexpr int VOWEL_COUNT = 5;
constexpr int VOWELS_PER_BOARD = 6;
constexpr int SHUFFLE_SWAPS = 1000;

// Rewrites tileLetters and board and asks for a repaint. Every tile is one of A to Z, as the
// solver assumes.
void dealBoard();

// Copies tileLetters (reading order) into board (by column).
void layOutBoard();
