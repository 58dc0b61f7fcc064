// What the board shows beyond the game state: the focus mark, each pick's place in the word and
// the path of the word selected in Solutions. board_view.cpp alone writes it, through the
// functions below, each of which repaints what changed and tells screen readers; every other file
// reads it through `boardView`, which is const to them.
#pragma once

#include <string>

#include "engine/game_state.h"
#include "engine/solution_path.h"
#include "ui/screen_reader/spoken_texts.h"

struct BoardView {
    // The tile under the focus mark: always on the board; top-left when the main window opens.
    int focusTile;
    // The place in the word (from 1) that each tile took when it was picked, by tile; 0 exactly
    // while gameState.picked does not hold the tile (the engine clears the picks, then the view
    // forgets their places). When taking back leaves two tiles of one letter, the one still picked
    // holds the place of the one taken back, so that no place lies past the word's end.
    int pickPlaces[TILE_COUNT];
    // The path of the word selected in Solutions; length 0 while no word is selected.
    SolutionPath markedPath;
};

extern const BoardView& boardView;

// The place in the word of `tile`, or 0 while it is not picked.
int pickedPlace(int tile);

// The picked tile that took the word's latest letter, or -1 while none is picked.
int lastPickedTile();

// The letter of `tile` with its row and column, as screen readers are told it.
PlacedLetter placedLetterOf(int tile);

// What a screen reader says of the cell of `tile` beyond its letter and place: the first of "Letter
// N of the word selected in Solutions", "Letter N of your word" and "Next to your last letter"
// that applies, or nothing.
std::string cellDescription(int tile);

// The place in the word selected in Solutions (from 1) of `tile`, or 0 off its path.
int solutionPathPlace(int tile);

// The place that the tile shows (from 1), or 0 when it shows none. While Solutions marks a word's
// path, the picks' marks give way to it: both look alike.
int markedPlace(int tile);

// A new main window: the mark top-left, no picks, no path.
void resetBoardView();

// Moves the mark one step, or not at all at an edge: it never wraps.
void moveFocusMark(int rowStep, int columnStep);

// Moves the mark onto `tile`.
void placeFocusMark(int tile);

// Picks `tile`, its letter added to `word`, or takes it back when `word` ends with its letter;
// false when nothing changes. No rule of the game applies: the word is judged when handed in.
// Screen readers hear of the selection and of every cell whose description changed.
bool pickOrTakeBack(int tile, std::string& word);

// Marks the path of a word on the board; cleared, the board shows its plain or picked tiles again.
void markSolutionPath(const SolutionPath& path);
void clearSolutionPath();

// The engine has cleared every pick (a hand-in, a new game): their places and marks go too, and
// screen readers hear of the selection's change when a pick was cleared.
void forgetClearedPicks();
