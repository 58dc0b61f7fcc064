// Picking tiles: the word field follows each pick and take-back of the board's view.
#include "ui/board/tile_picking.h"

#include <string>

#include "engine/display.h"
#include "ui/board/board_geometry.h"
#include "ui/board/board_view.h"
#include "ui/common/ui_state.h"
#include "ui/resources/resource_ids.h"

namespace {

// Setting the text puts the caret at its start; typing after a pick must add to the end.
void keepCaretAtTheEnd(std::size_t length)
{
    WPARAM end = static_cast<WPARAM>(length);
    SendDlgItemMessageA(mainWindow, IDC_WORD_FIELD, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void pickCellIn(HWND window, int tile, PickSource source)
{
    std::string word = readWordField();
    if (!pickOrTakeBack(tile, word)) {
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
