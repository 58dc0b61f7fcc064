// The one process-wide record of game data, read and written directly by the engine.
#pragma once

#include <string>

#include "engine/dictionary_index.h"
#include "engine/word_list.h"

constexpr int BOARD_SIZE = 4;
constexpr int TILE_COUNT = BOARD_SIZE * BOARD_SIZE;
constexpr int GAME_SECONDS = 180;

// Sixteen letters by column (index column * 4 + row).
typedef char Board[TILE_COUNT];
// Sixteen letters in reading order (index row * 4 + column).
typedef char TileLetters[TILE_COUNT];
typedef char PickGrid[TILE_COUNT];

struct GameState {
    WordList dictionary;
    int dictionaryCount = 0;
    // Built when the dictionary is loaded, so that a solve reads only the words a board can hold.
    DictionaryIndex dictionaryIndex;
    WordList solutionList;
    int solutionCount = 0;
    WordList enteredList;
    int enteredCount = 0;

    Board board = {};
    TileLetters tileLetters = {};
    PickGrid picked = {};

    int secondsLeft = 0;
    int score = 0;
    bool boardDealt = false;
    // Set once the program has begun to end: a tick posted before the timer stopped is ignored.
    bool leaving = false;

    // The game that ended last, for its solutions: its score, and how many of enteredList's words
    // were handed in before the time ran out (the first ones: the list only grows during a game).
    int endedScore = 0;
    int enteredInTime = 0;

    // "words.dic" beside the executable, the executable's whole directory kept.
    std::string dictionaryPath;
};

extern GameState gameState;

constexpr int boardIndex(int column, int row)
{
    return column * BOARD_SIZE + row;
}
