// Picking tiles: the word field follows each pick and take-back of the board's view.
#include "ui/board/tile_picking.h"

#include <string>

#include "engine/dictionary.h"
#include "engine/game_state.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/common/ui_state.h"
#include "ui/common/word_field.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"

namespace {

// "T: CUT" for a pick, "took back T: CU" for a take-back, "T is not the last letter" for a
// take-back that the rule refuses. Before the first deal a tile has no letter to tell.
void announcePick(char letter, bool picked, bool changed, const std::string& word)
{
    if (letter == '\0') {
        return;
    }
    std::string shown = upperCased(std::string(1, letter));
    std::string wordSoFar = word.empty() ? std::string("no word") : upperCased(word);
    if (!changed) {
        announce(shown + " is not the last letter");
    } else {
        announce((picked ? shown : "took back " + shown) + ": " + wordSoFar);
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

void pickTile(int x, int y)
{
    int tile;
    if (tileAtPixel(x, y, tile)) {
        pickCell(tile, PICKED_BY_CLICK);
    }
}
