// The board control: a window of no looks over the painted tiles. It takes the focus by Tab, moves
// a focus mark with the arrow keys and picks with Space; clicks pass through it to the main window.
#include "ui/board/board_control.h"

#include <windows.h>

#include "ui/board/board_accessibility.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_numbering.h"
#include "ui/board/tile_picking.h"
#include "ui/board/tile_tracing.h"
#include "ui/common/key_flags.h"

namespace {

const char BOARD_CLASS_NAME[] = "LettroBoard";

// Home and End go to the ends of the row, Page Up and Page Down to the ends of the column, and
// with Ctrl Home and End go to the board's first and last cell. False for any other key.
bool takeGridKey(WPARAM key)
{
    int row = rowOfTile(boardView.focusTile);
    int column = columnOfTile(boardView.focusTile);
    const int last = BOARD_SIZE - 1;
    bool control = isKeyHeld(VK_CONTROL);
    if (key == VK_HOME || key == VK_END) {
        int end = key == VK_HOME ? 0 : last;
        placeFocusMark(control ? tileAt(end, end) : tileAt(row, end));
    } else if (key == VK_PRIOR || key == VK_NEXT) {
        placeFocusMark(tileAt(key == VK_PRIOR ? 0 : last, column));
    } else {
        return false;
    }
    return true;
}

// Space picks once per press: a held key's repeats would pick, take back and pick again. Backspace
// takes back the last letter picked, once per press, as Space on its tile would.
void takeKey(WPARAM key, LPARAM flags)
{
    if (takeGridKey(key)) {
        return;
    }
    switch (key) {
    case VK_LEFT:
        moveFocusMark(0, -1);
        break;
    case VK_RIGHT:
        moveFocusMark(0, 1);
        break;
    case VK_UP:
        moveFocusMark(-1, 0);
        break;
    case VK_DOWN:
        moveFocusMark(1, 0);
        break;
    case VK_SPACE:
        if (!isKeyRepeat(flags)) {
            pickCell(boardView.focusTile, PICKED_FROM_BOARD);
        }
        break;
    case VK_BACK:
        if (!isKeyRepeat(flags)) {
            takeBackLastPick();
        }
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
    case WM_TABLET_QUERYSYSTEMGESTURESTATUS:
        return penGesturesForTracing();
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        takeKey(wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        invertFocusMark(boardView.focusTile, markedPlace(boardView.focusTile) != 0);
        // The system has raised its focus event for the control just before: the reader moves on
        // to the cell.
        raiseCellEvent(EVENT_OBJECT_FOCUS, boardView.focusTile);
        return 0;
    case WM_KILLFOCUS:
        invertFocusMark(boardView.focusTile, markedPlace(boardView.focusTile) != 0);
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
    resetBoardView();
    fitBoardControl();
}

void enableBoard()
{
    EnableWindow(boardWindow(), TRUE);
}

void focusBoard()
{
    SetFocus(boardWindow());
}
