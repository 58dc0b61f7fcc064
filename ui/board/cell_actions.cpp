// The board's cells selected, focused or acted on by a screen reader, through the same picking as
// Space and the focus mark's own moves.
#include "ui/board/cell_actions.h"

#include <oleacc.h>

#include "engine/game_state.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_picking.h"
#include "ui/common/ui_state.h"
#include "ui/common/word_field.h"

namespace {

const long EVERY_SELFLAG =
    SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION | SELFLAG_EXTENDSELECTION | SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION;

bool both(long flags, long first, long second)
{
    return (flags & first) != 0 && (flags & second) != 0;
}

// The game offers no selection anchor, so EXTENDSELECTION has nothing to extend from.
bool isAllowed(long flags)
{
    return (flags & ~EVERY_SELFLAG) == 0 && (flags & SELFLAG_EXTENDSELECTION) == 0 &&
           !both(flags, SELFLAG_ADDSELECTION, SELFLAG_REMOVESELECTION) &&
           !both(flags, SELFLAG_ADDSELECTION, SELFLAG_TAKESELECTION) &&
           !both(flags, SELFLAG_REMOVESELECTION, SELFLAG_TAKESELECTION);
}

bool isPicked(int tile)
{
    return gameState.picked[tile] != 0;
}

bool anotherIsPicked(int tile)
{
    for (int other = 0; other < TILE_COUNT; ++other) {
        if (other != tile && isPicked(other)) {
            return true;
        }
    }
    return false;
}

// A picked cell can be taken back while the word ends with its letter.
bool canTakeBack(int tile)
{
    std::string word = wordFieldText();
    return !word.empty() && word.back() == gameState.board[tile];
}

// Whether the selection that `flags` ask for can be made, worked out before anything changes, so
// that a refused call leaves the focus and the picks as they were. TAKEFOCUS with TAKESELECTION is
// Microsoft's way of clicking: it picks the cell and the word's other picks stay.
bool canSelect(int tile, long flags)
{
    bool clicking = both(flags, SELFLAG_TAKEFOCUS, SELFLAG_TAKESELECTION);
    if ((flags & SELFLAG_TAKESELECTION) != 0 && !clicking && anotherIsPicked(tile)) {
        return false;
    }
    return (flags & SELFLAG_REMOVESELECTION) == 0 || !isPicked(tile) || canTakeBack(tile);
}

void changeSelection(int tile, long flags)
{
    bool wantsPicked = (flags & (SELFLAG_ADDSELECTION | SELFLAG_TAKESELECTION)) != 0;
    bool wantsUnpicked = (flags & SELFLAG_REMOVESELECTION) != 0;
    if ((wantsPicked && !isPicked(tile)) || (wantsUnpicked && isPicked(tile))) {
        pickCell(tile, PICKED_FROM_BOARD);
    }
}

// A screen reader acts only where the player could: in the main window while it is enabled and
// active (no child dialog or box over it).
bool mainWindowTakesInput()
{
    return IsWindowEnabled(mainWindow) && GetActiveWindow() == mainWindow;
}

void takeFocus(int tile)
{
    placeFocusMark(tile);
    if (!boardHasFocus()) {
        SetFocus(boardWindow());
    }
}

} // namespace

HRESULT selectCell(int tile, long flags)
{
    if (flags == SELFLAG_NONE) {
        return S_OK;
    }
    if (!isAllowed(flags)) {
        return E_INVALIDARG;
    }
    if (!mainWindowTakesInput()) {
        return E_FAIL;
    }
    if (!canSelect(tile, flags)) {
        return E_INVALIDARG;
    }
    if ((flags & SELFLAG_TAKEFOCUS) != 0) {
        takeFocus(tile);
    }
    changeSelection(tile, flags);
    return S_OK;
}

HRESULT selectBoard(long flags)
{
    if (flags == SELFLAG_NONE) {
        return S_OK;
    }
    if (flags != SELFLAG_TAKEFOCUS) {
        return E_INVALIDARG;
    }
    if (!mainWindowTakesInput() || !IsWindowEnabled(boardWindow())) {
        return E_FAIL;
    }
    if (!boardHasFocus()) {
        SetFocus(boardWindow());
    }
    return S_OK;
}

std::string defaultActionOf(int tile)
{
    if (!isPicked(tile)) {
        return "Pick";
    }
    return canTakeBack(tile) ? "Take back" : "";
}

HRESULT doDefaultAction(int tile)
{
    if (!IsWindowEnabled(mainWindow)) {
        return E_FAIL;
    }
    if (defaultActionOf(tile).empty()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    pickCell(tile, PICKED_FROM_BOARD);
    return S_OK;
}
