// Repainting tiles, the focus mark drawn at once, and the board's events for screen readers.
#include "ui/board/board_updates.h"

#include "ui/board/board_geometry.h"
#include "ui/board/board_window.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"

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

void invertFocusMark(int tile)
{
    HDC context = GetDC(mainWindow);
    RECT mark = focusMarkRect(tile);
    DrawFocusRect(context, &mark);
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
