// Where the board is on screen and how it is redrawn, all from one place and one tile size.
#include "ui/board/board_on_screen.h"

#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"
#include "ui/common/dialog_scale.h"
#include "ui/resources/resource_ids.h"

namespace {

// At 96 dots an inch.
const int FOCUS_MARK_INSET = 4;

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
