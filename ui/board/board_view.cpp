// The board's view, and every change to it: the focus mark, the picks' places, the marked path.
#include "ui/board/board_view.h"

#include <cstring>

#include <windows.h>

#include "ui/board/board_updates.h"
#include "ui/board/board_window.h"
#include "ui/board/tile_numbering.h"

namespace {

BoardView view = {};

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
    return gameState.picked[tile] != 0 ? view.pickPlaces[tile] : 0;
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

void resetBoardView()
{
    view = BoardView();
}

void moveFocusMark(int rowStep, int columnStep)
{
    int row = rowOfTile(view.focusTile) + rowStep;
    int column = columnOfTile(view.focusTile) + columnStep;
    if (!isOnBoard(row, column)) {
        return;
    }
    bool shown = boardHasFocus();
    if (shown) {
        invertFocusMark(view.focusTile);
    }
    view.focusTile = tileAt(row, column);
    if (shown) {
        invertFocusMark(view.focusTile);
    }
    raiseCellEvent(EVENT_OBJECT_FOCUS, view.focusTile);
}

bool pickOrTakeBack(int tile, std::string& word)
{
    bool changed = gameState.picked[tile] != 0 ? takeBack(tile, word) : (pick(tile, word), true);
    if (changed) {
        repaintTile(tile);
        raiseCellEvent(EVENT_OBJECT_STATECHANGE, tile);
    }
    return changed;
}

void markSolutionPath(const SolutionPath& path)
{
    view.markedPath = path;
    repaintBoard();
}

void clearSolutionPath()
{
    if (view.markedPath.length != 0) {
        view.markedPath.length = 0;
        repaintBoard();
    }
}

void forgetClearedPicks()
{
    std::memset(view.pickPlaces, 0, sizeof view.pickPlaces);
    repaintBoard();
}
