// The board's view, and every change to it: the focus mark, the picks' places, the marked path.
#include "ui/board/board_view.h"

#include <cstring>

#include <windows.h>

#include "ui/board/board_on_screen.h"
#include "ui/board/tile_numbering.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

BoardView view = {};

// The cells' descriptions as they stood before a change, to tell screen readers which changed.
struct Descriptions {
    std::string of[TILE_COUNT];
};

Descriptions describeCells()
{
    Descriptions all;
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        all.of[tile] = cellDescription(tile);
    }
    return all;
}

void raiseDescriptionChanges(const Descriptions& before)
{
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        if (cellDescription(tile) != before.of[tile]) {
            raiseCellEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, tile);
        }
    }
}

// Taking back goes by letter, so the tile taken back may not be the one whose letter left the
// word's end: another picked tile of the same letter may hold that last place.
void renumberAfterTakingBack(int tile, int lastPlace)
{
    for (int other = 0; other < TILE_COUNT; ++other) {
        if (other != tile && gameState.picked[other] != 0 && view.pickPlaces[other] == lastPlace) {
            view.pickPlaces[other] = view.pickPlaces[tile];
            repaintTile(other);
        }
    }
}

bool takeBack(int tile, std::string& word)
{
    if (word.empty() || word.back() != gameState.board[tile]) {
        return false;
    }
    renumberAfterTakingBack(tile, static_cast<int>(std::string(word.c_str()).size()));
    word.pop_back();
    gameState.picked[tile] = 0;
    view.pickPlaces[tile] = 0;
    return true;
}

// Before the first deal a tile holds the zero character, which leaves the text as it is.
void pick(int tile, std::string& word)
{
    word += gameState.board[tile];
    gameState.picked[tile] = 1;
    view.pickPlaces[tile] = static_cast<int>(std::string(word.c_str()).size());
}

} // namespace

const BoardView& boardView = view;

int pickedPlace(int tile)
{
    return view.pickPlaces[tile];
}

PlacedLetter placedLetterOf(int tile)
{
    return PlacedLetter{gameState.board[tile], rowOfTile(tile), columnOfTile(tile)};
}

int lastPickedTile()
{
    int last = -1;
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        if (view.pickPlaces[tile] != 0 && (last < 0 || view.pickPlaces[tile] > view.pickPlaces[last])) {
            last = tile;
        }
    }
    return last;
}

std::string cellDescription(int tile)
{
    if (solutionPathPlace(tile) != 0) {
        return solutionLetterDescription(solutionPathPlace(tile));
    }
    if (pickedPlace(tile) != 0) {
        return wordLetterDescription(pickedPlace(tile));
    }
    int last = lastPickedTile();
    return last >= 0 && areNeighbours(tile, last) ? nextToLastLetterDescription() : "";
}

int solutionPathPlace(int tile)
{
    for (int step = 0; step < view.markedPath.length; ++step) {
        if (view.markedPath.cells[step] == tile) {
            return step + 1;
        }
    }
    return 0;
}

int markedPlace(int tile)
{
    return view.markedPath.length == 0 ? pickedPlace(tile) : solutionPathPlace(tile);
}

void resetBoardView()
{
    view = BoardView();
}

void moveFocusMark(int rowStep, int columnStep)
{
    int row = rowOfTile(view.focusTile) + rowStep;
    int column = columnOfTile(view.focusTile) + columnStep;
    if (isOnBoard(row, column)) {
        placeFocusMark(tileAt(row, column));
    }
}

void placeFocusMark(int tile)
{
    bool shown = boardHasFocus();
    if (shown) {
        invertFocusMark(view.focusTile, markedPlace(view.focusTile) != 0);
    }
    view.focusTile = tile;
    if (shown) {
        invertFocusMark(view.focusTile, markedPlace(view.focusTile) != 0);
        raiseCellEvent(EVENT_OBJECT_FOCUS, view.focusTile);
    }
}

bool pickOrTakeBack(int tile, std::string& word)
{
    Descriptions before = describeCells();
    bool wasPicked = gameState.picked[tile] != 0;
    if (wasPicked && !takeBack(tile, word)) {
        return false;
    }
    if (!wasPicked) {
        pick(tile, word);
    }
    repaintTile(tile);
    raiseCellEvent(wasPicked ? EVENT_OBJECT_SELECTIONREMOVE : EVENT_OBJECT_SELECTIONADD, tile);
    raiseDescriptionChanges(before);
    return true;
}

void markSolutionPath(const SolutionPath& path)
{
    Descriptions before = describeCells();
    view.markedPath = path;
    repaintBoard();
    raiseDescriptionChanges(before);
}

void clearSolutionPath()
{
    if (view.markedPath.length != 0) {
        Descriptions before = describeCells();
        view.markedPath.length = 0;
        repaintBoard();
        raiseDescriptionChanges(before);
    }
}

void forgetClearedPicks()
{
    Descriptions before = describeCells();
    bool anyPicked = lastPickedTile() >= 0;
    std::memset(view.pickPlaces, 0, sizeof view.pickPlaces);
    repaintBoard();
    if (anyPicked) {
        raiseTableEvent(EVENT_OBJECT_SELECTIONWITHIN);
    }
    raiseDescriptionChanges(before);
}
