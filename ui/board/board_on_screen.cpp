// Where the board is on screen and how it is redrawn, all from one origin and one tile size.
#include "ui/board/board_on_screen.h"

#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_dpi.h"
#include "ui/resources/resource_ids.h"

namespace {

// At 96 dots an inch.
const int BOARD_ORIGIN = 70;
const int FOCUS_MARK_INSET = 4;
// A sixth of a tile on each side is its edge, which a sliding pointer passes without picking it.
const int TILE_EDGE_SHARE = 6;

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
    return scaledPixels(pixels, windowDpi(mainWindow));
}

int tilePixels()
{
    return boardPixels(BASE_TILE_PIXELS);
}

RECT boardRect()
{
    int origin = boardPixels(BOARD_ORIGIN);
    int end = origin + BOARD_SIZE * tilePixels();
    return RECT{origin, origin, end, end};
}

RECT tileRect(int tile)
{
    int origin = boardPixels(BOARD_ORIGIN);
    int side = tilePixels();
    int x = origin + columnOfTile(tile) * side;
    int y = origin + rowOfTile(tile) * side;
    return RECT{x, y, x + side, y + side};
}

RECT focusMarkRect(int tile)
{
    RECT mark = tileRect(tile);
    int inset = boardPixels(FOCUS_MARK_INSET);
    InflateRect(&mark, -inset, -inset);
    return mark;
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

void drawFocusMark(HDC target, int tile)
{
    RECT mark = focusMarkRect(tile);
    DrawFocusRect(target, &mark);
}

void invertFocusMark(int tile)
{
    HDC context = GetDC(mainWindow);
    drawFocusMark(context, tile);
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
