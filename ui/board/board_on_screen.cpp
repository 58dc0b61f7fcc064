// Where the board is on screen and how it is redrawn, all from one place and one tile size.
#include "ui/board/board_on_screen.h"

#include <algorithm>

#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"
#include "ui/common/dialog_scale.h"
#include "ui/resources/resource_ids.h"

namespace {

// At 96 dots an inch.
const int FOCUS_MARK_INSET = 4;
// A sixth of a tile on each side is its edge, which a sliding pointer passes without picking it.
const int TILE_EDGE_SHARE = 6;
const RECT PLACE_BADGE = {0, 0, 19, 15};
// The room left between the badge and the focus mark that goes round it.
const int BADGE_GAP = 2;

// The system's focus border, at least a pixel each way, grown with the tiles.
SIZE focusBorder()
{
    UINT width = 1, height = 1;
    SystemParametersInfoA(SPI_GETFOCUSBORDERWIDTH, 0, &width, 0);
    SystemParametersInfoA(SPI_GETFOCUSBORDERHEIGHT, 0, &height, 0);
    return SIZE{std::max(1, boardPixels(static_cast<int>(width))), std::max(1, boardPixels(static_cast<int>(height)))};
}

// Dots of `dot` inverted along a strip from (x, y), `length` long, across or down: every other one,
// as the system dots its focus rectangle.
void invertDots(HDC target, int x, int y, int length, SIZE dot, bool across)
{
    int dotLength = static_cast<int>(across ? dot.cx : dot.cy);
    for (int at = 0; at < length; at += 2 * dotLength) {
        int size = std::min(dotLength, length - at);
        if (across) {
            PatBlt(target, x + at, y, size, dot.cy, DSTINVERT);
        } else {
            PatBlt(target, x, y + at, dot.cx, size, DSTINVERT);
        }
    }
}

// The four sides never overlap, so that each pixel is inverted once. The top and left sides start
// past the badge's corner when `cornerFree`.
void invertDottedFrame(HDC target, const RECT& mark, SIZE dot, POINT cornerFree)
{
    int topStart = std::max(mark.left, cornerFree.x);
    int leftStart = std::max(mark.top + dot.cy, cornerFree.y);
    invertDots(target, topStart, mark.top, mark.right - topStart, dot, true);
    invertDots(target, mark.left, mark.bottom - dot.cy, mark.right - mark.left, dot, true);
    invertDots(target, mark.left, leftStart, mark.bottom - dot.cy - leftStart, dot, false);
    invertDots(target, mark.right - dot.cx, mark.top + dot.cy, mark.bottom - 2 * dot.cy - mark.top, dot, false);
}

} // namespace

HWND boardWindow()
{
    return mainWindow != nullptr ? GetDlgItem(mainWindow, IDC_BOARD) : nullptr;
}

bool boardHasFocus()
{
    HWND focus = GetFocus();
    return focus != nullptr && focus == boardWindow();
}

// ---- Geometry ----

int boardPixels(int pixels)
{
    return MulDiv(pixels, tilePixels(), BASE_TILE_PIXELS);
}

int tilePixels()
{
    return scaledSquare(dialogScale(mainWindow), BASE_TILE_PIXELS);
}

RECT boardRect()
{
    RECT place = scaledRect(dialogScale(mainWindow), BASE_BOARD_PLACE);
    return squareCentredIn(place, BOARD_SIZE * tilePixels());
}

RECT tileRect(int tile)
{
    RECT board = boardRect();
    int side = tilePixels();
    int x = board.left + columnOfTile(tile) * side;
    int y = board.top + rowOfTile(tile) * side;
    return RECT{x, y, x + side, y + side};
}

RECT focusMarkRect(int tile)
{
    RECT mark = tileRect(tile);
    int inset = boardPixels(FOCUS_MARK_INSET);
    InflateRect(&mark, -inset, -inset);
    return mark;
}

RECT placeBadgeRect()
{
    return RECT{0, 0, boardPixels(PLACE_BADGE.right), boardPixels(PLACE_BADGE.bottom)};
}

bool tileAtPixel(int x, int y, int& tile)
{
    for (tile = 0; tile < TILE_COUNT; ++tile) {
        RECT square = tileRect(tile);
        if (x >= square.left && x < square.right && y >= square.top && y < square.bottom) {
            return true;
        }
    }
    return false;
}

// From the tile's own rectangle, so that it holds whatever the tiles' size on screen.
bool tileInnerPartAtPixel(int x, int y, int& tile)
{
    if (!tileAtPixel(x, y, tile)) {
        return false;
    }
    RECT inner = tileRect(tile);
    InflateRect(&inner, -(inner.right - inner.left) / TILE_EDGE_SHARE, -(inner.bottom - inner.top) / TILE_EDGE_SHARE);
    return x >= inner.left && x < inner.right && y >= inner.top && y < inner.bottom;
}

void fitBoardControl()
{
    RECT board = boardRect();
    MoveWindow(boardWindow(), board.left, board.top, board.right - board.left, board.bottom - board.top, FALSE);
}

// ---- Redrawing ----

void repaintBoard()
{
    RECT board = boardRect();
    InvalidateRect(mainWindow, &board, FALSE);
}

void repaintTile(int tile)
{
    RECT square = tileRect(tile);
    InvalidateRect(mainWindow, &square, FALSE);
}

void drawFocusMark(HDC target, int tile, bool besideBadge)
{
    RECT mark = focusMarkRect(tile);
    if (!besideBadge && tilePixels() == BASE_TILE_PIXELS) {
        DrawFocusRect(target, &mark);
        return;
    }
    RECT square = tileRect(tile);
    RECT badge = placeBadgeRect();
    int gap = boardPixels(BADGE_GAP);
    POINT cornerFree = besideBadge ? POINT{square.left + badge.right + gap, square.top + badge.bottom + gap}
                                   : POINT{mark.left, mark.top};
    invertDottedFrame(target, mark, focusBorder(), cornerFree);
}

void invertFocusMark(int tile, bool besideBadge)
{
    HDC context = GetDC(mainWindow);
    drawFocusMark(context, tile, besideBadge);
    ReleaseDC(mainWindow, context);
}

void raiseTableEvent(DWORD event)
{
    HWND board = boardWindow();
    if (board != nullptr) {
        NotifyWinEvent(event, board, OBJID_CLIENT, CHILDID_SELF);
    }
}

void raiseCellEvent(DWORD event, int tile)
{
    HWND board = boardWindow();
    if (board != nullptr) {
        NotifyWinEvent(event, board, OBJID_CLIENT, childIdOfTile(tile));
    }
}
