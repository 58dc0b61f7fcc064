// Tracing a word across the tiles with the left button held: its state, and the rules of a slide.
#include "ui/board/tile_tracing.h"

#include <algorithm>
#include <cstdlib>

#include "engine/game_state.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_picking.h"
#include "ui/common/ui_state.h"

namespace {

// The trace under way, from a press on a tile during a game to its release or cancelling.
// While `underway`, the main window holds the mouse capture: losing it cancels the trace.
// `tracedTiles` are the tiles this trace picked, whether still picked or not; `pointerTile` is
// the tile whose inner part the pointer was caught in last, so that only entering another tile
// acts; `pointer` is where the last move (or the press) found it. `dealsAtPress` is dealCount at
// the press: a deal meanwhile (F2) ends the trace with nothing handed in, as a game's end does.
struct TileTrace {
    bool underway;
    int pointerTile;
    POINT pointer;
    bool tracedTiles[TILE_COUNT];
    unsigned dealsAtPress;
    // The last trace ended by handing a word in: a double-click that follows is the next press.
    bool handedIn;
};

TileTrace trace = {};

bool gameRuns()
{
    return gameState.gameKind != NO_GAME && trace.dealsAtPress == dealCount;
}

// A slide is followed in steps of a twelfth of a tile: shorter than the edge (a sixth) that a
// passing pointer may brush, so that no inner part the pointer crossed is stepped over.
const int SLIDE_STEPS_PER_TILE = 12;

void startTrace(int tile, bool pressPicked, POINT pointer)
{
    trace = TileTrace();
    trace.underway = true;
    trace.pointerTile = tile;
    trace.pointer = pointer;
    trace.tracedTiles[tile] = pressPicked;
    trace.dealsAtPress = dealCount;
    SetCapture(mainWindow);
}

// Ends the trace first: letting the capture go tells the main window at once (WM_CAPTURECHANGED),
// and that must find no trace left to cancel.
void endTrace()
{
    trace.underway = false;
    if (GetCapture() == mainWindow) {
        ReleaseCapture();
    }
}

// The picked tile whose letter came just before the last one's, by their places in the word
// (typed letters between them leave gaps); -1 when fewer than two tiles are picked.
int tileBeforeLastPick()
{
    int last = lastPickedTile();
    int before = -1;
    for (int tile = 0; last >= 0 && tile < TILE_COUNT; ++tile) {
        int place = pickedPlace(tile);
        if (place != 0 && place < pickedPlace(last) && (before < 0 || place > pickedPlace(before))) {
            before = tile;
        }
    }
    return before;
}

void enterTile(int tile)
{
    if (gameState.picked[tile] == 0) {
        pickCell(tile, PICKED_BY_CLICK);
        trace.tracedTiles[tile] = gameState.picked[tile] != 0;
    } else if (tile == tileBeforeLastPick()) {
        pickCell(lastPickedTile(), PICKED_BY_CLICK);
    }
}

void pointerAt(POINT point)
{
    int tile;
    if (tileInnerPartAtPixel(point.x, point.y, tile) && tile != trace.pointerTile) {
        trace.pointerTile = tile;
        enterTile(tile);
    }
}

// Windows reports a move where the pointer is when the queue is read, not at every pixel it
// crossed: a quick slide leaps a whole tile between two moves. The straight line between them is
// walked instead, in order, so that each tile it crossed acts as if the pointer had been seen there.
void followSlide(POINT from, POINT to)
{
    int step = std::max(1, tilePixels() / SLIDE_STEPS_PER_TILE);
    int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / step + 1;
    for (int at = 1; at <= steps; ++at) {
        pointerAt(POINT{from.x + (to.x - from.x) * at / steps, from.y + (to.y - from.y) * at / steps});
    }
}

int tracedTilesStillPicked()
{
    int count = 0;
    for (int tile = 0; tile < TILE_COUNT; ++tile) {
        count += trace.tracedTiles[tile] && gameState.picked[tile] != 0 ? 1 : 0;
    }
    return count;
}

// Panning with one finger is blocked; with two it stays as Windows has it.
void blockOneFingerPanning(HWND window)
{
    GESTURECONFIG panning = {GID_PAN, 0, GC_PAN_WITH_SINGLE_FINGER_VERTICALLY | GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY};
    SetGestureConfig(window, 0, 1, &panning, sizeof panning);
}

} // namespace

// The board control lets the mouse through to the main window, but a touch may be aimed at either.
void letFingersTrace()
{
    blockOneFingerPanning(mainWindow);
    blockOneFingerPanning(boardWindow());
}

LRESULT penGesturesForTracing()
{
    return TABLET_DISABLE_FLICKS | TABLET_DISABLE_PRESSANDHOLD;
}

// A press whose release never came (a message sent, not the button's) leaves a trace behind: the
// new press cancels it first.
void pressOnBoard(int x, int y)
{
    cancelTrace();
    trace.handedIn = false;
    int tile;
    if (!tileAtPixel(x, y, tile)) {
        return;
    }
    bool wasPicked = gameState.picked[tile] != 0;
    pickCell(tile, PICKED_BY_CLICK);
    if (gameState.gameKind != NO_GAME) {
        startTrace(tile, !wasPicked && gameState.picked[tile] != 0, POINT{x, y});
    }
}

bool pressAfterTracedWord(int x, int y)
{
    if (!trace.handedIn) {
        cancelTrace();
        return false;
    }
    pressOnBoard(x, y);
    return true;
}

void slideOverBoard(int x, int y, WPARAM keys)
{
    if (!trace.underway) {
        return;
    }
    if ((keys & MK_LBUTTON) == 0 || !gameRuns()) {
        cancelTrace();
        return;
    }
    followSlide(trace.pointer, POINT{x, y});
    trace.pointer = POINT{x, y};
}

bool releaseTrace()
{
    if (!trace.underway) {
        return false;
    }
    endTrace();
    trace.handedIn = gameRuns() && tracedTilesStillPicked() >= 2;
    return trace.handedIn;
}

bool cancelTrace()
{
    if (!trace.underway) {
        return false;
    }
    endTrace();
    return true;
}
