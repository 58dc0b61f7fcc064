// The board control: a window of no looks over the painted tiles. It takes the focus by Tab, moves
// a focus mark with the arrow keys and picks with Space; clicks pass through it to the main window.
#include "ui/board/board_control.h"

#include "engine/game_state.h"
#include "ui/board/board_accessibility.h"
#include "ui/board/board_geometry.h"
#include "ui/resources/resource_ids.h"
#include "ui/board/tile_picking.h"
#include "ui/common/ui_state.h"

int focusTile = 0;

namespace {

const char BOARD_CLASS_NAME[] = "LettroBoard";
// The focus mark sits inside the tile's edge, clear of the next tile's.
const int FOCUS_MARK_INSET = 4;

HWND boardControl()
{
    return GetDlgItem(mainWindow, IDC_BOARD);
}

RECT focusMarkRect()
{
    int x = BOARD_ORIGIN + TILE_PIXELS * (focusTile % BOARD_SIZE);
    int y = BOARD_ORIGIN + TILE_PIXELS * (focusTile / BOARD_SIZE);
    RECT mark = {x, y, x + TILE_PIXELS, y + TILE_PIXELS};
    InflateRect(&mark, -FOCUS_MARK_INSET, -FOCUS_MARK_INSET);
    return mark;
}

// The system draws a focus mark by inverting pixels: drawn twice in one place, it is gone again.
// Drawn here at once rather than by a repaint, since a paint hands the focus to the word field
// whenever the board does not hold it.
void toggleFocusMark()
{
    HDC context = GetDC(mainWindow);
    RECT mark = focusMarkRect();
    DrawFocusRect(context, &mark);
    ReleaseDC(mainWindow, context);
}

// No wrapping: at an edge the mark stays where it is.
void moveFocusMark(int columnStep, int rowStep)
{
    int column = focusTile % BOARD_SIZE + columnStep;
    int row = focusTile / BOARD_SIZE + rowStep;
    if (column < 0 || column >= BOARD_SIZE || row < 0 || row >= BOARD_SIZE) {
        return;
    }
    toggleFocusMark();
    focusTile = row * BOARD_SIZE + column;
    toggleFocusMark();
    raiseCellFocus(focusTile);
}

void takeKey(WPARAM key)
{
    switch (key) {
    case VK_LEFT:
        moveFocusMark(-1, 0);
        break;
    case VK_RIGHT:
        moveFocusMark(1, 0);
        break;
    case VK_UP:
        moveFocusMark(0, -1);
        break;
    case VK_DOWN:
        moveFocusMark(0, 1);
        break;
    case VK_SPACE:
        pickCell(boardIndex(focusTile % BOARD_SIZE, focusTile / BOARD_SIZE), PICKED_FROM_BOARD);
        break;
    default:
        break;
    }
}

// The table that screen readers read, for the client area; the system's own objects for the rest.
// The object id is compared as 32 bits, as Microsoft asks: on 64-bit Windows it can arrive
// sign-extended or not.
LRESULT answerObject(HWND board, WPARAM wParam, LPARAM lParam)
{
    LRESULT answer = 0;
    if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        answer = answerBoardObject(wParam);
    }
    return answer != 0 ? answer : DefWindowProcA(board, WM_GETOBJECT, wParam, lParam);
}

// Enter is left to the dialog manager, which presses Submit with it as everywhere else.
LRESULT CALLBACK boardProc(HWND board, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        takeKey(wParam);
        return 0;
    case WM_SETFOCUS:
        toggleFocusMark();
        // The system has raised its focus event for the control just before: the reader moves on
        // to the cell.
        raiseCellFocus(focusTile);
        return 0;
    case WM_KILLFOCUS:
        toggleFocusMark();
        return 0;
    case WM_GETOBJECT:
        return answerObject(board, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        ValidateRect(board, nullptr);
        return 0;
    default:
        return DefWindowProcA(board, message, wParam, lParam);
    }
}

// Registered before WinMain runs, as the background brush is made, so that every creation of the
// main window's template finds the class.
ATOM registerBoardClass()
{
    WNDCLASSA boardClass = {};
    boardClass.lpfnWndProc = boardProc;
    boardClass.hInstance = GetModuleHandleA(nullptr);
    boardClass.lpszClassName = BOARD_CLASS_NAME;
    return RegisterClassA(&boardClass);
}

const ATOM BOARD_CLASS = registerBoardClass();

} // namespace

void placeBoardControl()
{
    focusTile = 0;
    int side = BOARD_END - BOARD_ORIGIN;
    MoveWindow(boardControl(), BOARD_ORIGIN, BOARD_ORIGIN, side, side, FALSE);
}

bool boardHasFocus()
{
    HWND focus = GetFocus();
    return focus != nullptr && focus == boardControl();
}

void enableBoard()
{
    EnableWindow(boardControl(), TRUE);
}

void drawFocusMark(HDC target)
{
    if (boardHasFocus()) {
        RECT mark = focusMarkRect();
        DrawFocusRect(target, &mark);
    }
}
