// Picking tiles: the word field follows each pick and take-back of the board's view.
#include "ui/board/tile_picking.h"

#include <string>

#include "engine/display.h"
#include "engine/game_state.h"
#include "ui/board/board_geometry.h"
#include "ui/board/board_view.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

// Setting the text puts the caret at its start; typing after a pick must add to the end.
void keepCaretAtTheEnd(std::size_t length)
{
    WPARAM end = static_cast<WPARAM>(length);
    SendDlgItemMessageA(mainWindow, IDC_WORD_FIELD, EM_SETSEL, end, static_cast<LPARAM>(end));
}

// Before the first deal a tile has no letter to tell.
void announcePick(char letter, bool picked, bool changed, const std::string& word)
{
    std::string told = pickAnnouncement(letter, picked, changed, word);
    if (!told.empty()) {
        announce(told);
    }
}

void pickCellIn(HWND window, int tile, PickSource source)
{
    std::string word = readWordField();
    bool wasPicked = gameState.picked[tile] != 0;
    bool changed = pickOrTakeBack(tile, word);
    announcePick(gameState.board[tile], !wasPicked, changed, std::string(word.c_str()));
    if (!changed) {
        return;
    }
    SetDlgItemTextA(window, IDC_WORD_FIELD, word.c_str());
    keepCaretAtTheEnd(std::string(word.c_str()).size());
    if (source == PICKED_BY_CLICK) {
        SetFocus(GetDlgItem(mainWindow, IDC_WORD_FIELD));
    }
}

} // namespace

void pickTile(int x, int y, HWND window)
{
    int tile;
    if (tileAtPixel(x, y, tile)) {
        pickCellIn(window, tile, PICKED_BY_CLICK);
    }
}

void pickCell(int tile, PickSource source)
{
    pickCellIn(mainWindow, tile, source);
}
