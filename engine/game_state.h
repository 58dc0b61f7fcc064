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

// The game being played: none before the first deal and from a game's end to the next deal, a
// timed game of GAME_SECONDS, or an untimed one, which has no countdown and whose score never
// enters the high scores. The countdown, End Game and the menu go by it.
enum GameKind { NO_GAME, TIMED_GAME, UNTIMED_GAME };

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

    GameKind gameKind = NO_GAME;
    // Counts down in a timed game only: an untimed game keeps it at 0.
    int secondsLeft = 0;
    // The time display reads "--:--", as an untimed game left it: the next timed game shows its
    // full time at once instead of at its first tick.
    bool untimedTimeShown = false;
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
