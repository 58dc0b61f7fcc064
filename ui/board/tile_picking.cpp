// Picking tiles: no rule of the game applies here; the word is judged only when handed in.
#include "ui/board/tile_picking.h"

#include <string>

#include "engine/display.h"
#include "engine/game_state.h"
#include "ui/board/board_accessibility.h"
#include "ui/board/board_geometry.h"
#include "ui/board/board_painting.h"
#include "ui/resources/resource_ids.h"
#include "ui/common/ui_state.h"

namespace {

// The place in the word (from 1) that each picked tile took when it was picked, by board index;
// read only while the tile is picked, so the engine's clearing of the picks clears them too.
int pickPlaces[TILE_COUNT];

bool isOnBoard(int x, int y)
{
    return x >= BOARD_ORIGIN && x < BOARD_END && y >= BOARD_ORIGIN && y < BOARD_END;
}

// Setting the text puts the caret at its start; typing after a pick must add to the end.
void keepCaretAtTheEnd(std::size_t length)
{
    WPARAM end = static_cast<WPARAM>(length);
    SendDlgItemMessageA(mainWindow, IDC_WORD_FIELD, EM_SETSEL, end, static_cast<LPARAM>(end));
}

// Taking back goes by letter, so the tile taken back may not be the one whose letter left the
// word's end: another picked tile of the same letter may hold that last place. It takes the place
// of the tile taken back, so that no mark shows a place past the word's end.
void renumberAfterTakingBack(int cell, std::size_t lastPlace)
{
    for (int other = 0; other < TILE_COUNT; ++other) {
        if (other != cell && gameState.picked[other] != 0 && pickPlaces[other] == static_cast<int>(lastPlace)) {
            pickPlaces[other] = pickPlaces[cell];
            repaintTile(other);
        }
    }
}

// The word with the tile at `cell` picked or taken back; false when nothing changes.
bool changePick(int cell, std::string& word)
{
    char letter = gameState.board[cell];
    if (gameState.picked[cell] != 0) {
        // Unpicking goes by letter: only a word that ends with this tile's letter gives it back.
        if (word.empty() || word.back() != letter) {
            return false;
        }
        renumberAfterTakingBack(cell, std::string(word.c_str()).size());
        word.pop_back();
        gameState.picked[cell] = 0;
    } else {
        // Before the first deal a tile holds the zero character, which leaves the text as it is.
        word += letter;
        gameState.picked[cell] = 1;
    }
    return true;
}

void pickCellIn(HWND window, int cell, PickSource source)
{
    std::string word = readWordField();
    if (!changePick(cell, word)) {
        return;
    }
    std::size_t length = std::string(word.c_str()).size();
    pickPlaces[cell] = static_cast<int>(length);
    SetDlgItemTextA(window, IDC_WORD_FIELD, word.c_str());
    keepCaretAtTheEnd(length);
    repaintTile(cell);
    raiseCellStateChange(cell % BOARD_SIZE * BOARD_SIZE + cell / BOARD_SIZE); // its reading-order place
    if (source == PICKED_BY_CLICK) {
        SetFocus(GetDlgItem(mainWindow, IDC_WORD_FIELD));
    }
}

} // namespace

void pickTile(int x, int y, HWND window)
{
    if (!isOnBoard(x, y)) {
        return;
    }
    pickCellIn(window, boardIndex((x - BOARD_ORIGIN) / TILE_PIXELS, (y - BOARD_ORIGIN) / TILE_PIXELS), PICKED_BY_CLICK);
}

void pickCell(int cell, PickSource source)
{
    pickCellIn(mainWindow, cell, source);
}

int pickedPlace(int cell)
{
    return gameState.picked[cell] != 0 ? pickPlaces[cell] : 0;
}
