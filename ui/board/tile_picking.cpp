// Picking tiles: the word field follows each pick and take-back of the board's view.
#include "ui/board/tile_picking.h"

#include <string>

#include "engine/game_state.h"
#include "ui/board/board_view.h"
#include "ui/common/ui_state.h"
#include "ui/common/word_field.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

// Before the first deal a tile has no letter to tell.
void announcePick(char letter, bool picked, bool changed, const std::string& word)
{
    std::string told = pickAnnouncement(letter, picked, changed, word);
    if (!told.empty()) {
        announce(told);
    }
}

} // namespace

void pickCell(int tile, PickSource source)
{
    std::string word = wordFieldText();
    bool wasPicked = gameState.picked[tile] != 0;
    bool changed = pickOrTakeBack(tile, word);
    announcePick(gameState.board[tile], !wasPicked, changed, std::string(word.c_str()));
    if (!changed) {
        return;
    }
    setWordFieldText(std::string(word.c_str()));
    if (source == PICKED_BY_CLICK) {
        SetFocus(GetDlgItem(mainWindow, IDC_WORD_FIELD));
    }
}

void takeBackLastPick()
{
    int last = lastPickedTile();
    if (last < 0) {
        announce(NO_LETTER_PICKED);
        return;
    }
    pickCell(last, PICKED_FROM_BOARD);
}
