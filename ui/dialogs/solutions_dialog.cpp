// The "Solutions" dialog: the tally line, then the board's words in the solver's order; placed
// beside the board, and the path of the selected word marked on it.
#include "ui/dialogs/solutions_dialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/solution_path.h"
#include "engine/solutions_report.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_view.h"
#include "ui/board/tile_numbering.h"
#include "ui/common/ui_state.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/control_names.h"
#include "ui/screen_reader/spoken_texts.h"

namespace {

// Between the board's edge and the dialog.
const int BOARD_GAP = 10;

void showSolutions(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_SOLUTIONS_TALLY, solutionsTally().c_str());
    HWND list = GetDlgItem(dialog, IDC_SOLUTIONS_LIST);
    std::vector<std::string> lines = solutionLines();
    // Filled without a redraw per word: a board can hold thousands of them.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : lines) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

RECT boardOnScreen()
{
    RECT board = boardRect();
    MapWindowPoints(mainWindow, nullptr, reinterpret_cast<POINT*>(&board), 2);
    return board;
}

// The left edge of a dialog `width` wide: right of the board, over the found-words list, when the
// work area has room there; else left of the board. With room on neither side the board still
// stays in view: the dialog takes the roomier side and runs past the work area's edge.
int leftBesideBoard(const RECT& board, const RECT& work, int width)
{
    int right = std::max(static_cast<int>(board.right) + BOARD_GAP, static_cast<int>(work.left));
    if (right + width <= work.right) {
        return right;
    }
    int left = std::min(static_cast<int>(board.left) - BOARD_GAP - width, static_cast<int>(work.right) - width);
    if (left >= work.left) {
        return left;
    }
    return work.right - board.right >= board.left - work.left ? right : left;
}

// Level with the top of the main window's client area, moved into the work area; its caption
// stays on screen when it is taller than the work area.
int topBesideBoard(const RECT& work, int height)
{
    POINT client = {0, 0};
    ClientToScreen(mainWindow, &client);
    int top = std::min(static_cast<int>(client.y), static_cast<int>(work.bottom) - height);
    return std::max(top, static_cast<int>(work.top));
}

// Within the work area of the monitor that holds the main window.
void placeBesideBoard(HWND dialog)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT place;
    GetWindowRect(dialog, &place);
    int left = leftBesideBoard(boardOnScreen(), monitor.rcWork, place.right - place.left);
    int top = topBesideBoard(monitor.rcWork, place.bottom - place.top);
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// "CUTE, missed: C row 3 column 2, U row 2 column 2, …": the main window, where the board's cells
// tell the same, is disabled while Solutions is open, so the dialog says it itself.
std::string spokenPath(std::string_view line)
{
    std::string word(solutionLineWord(line));
    SolutionPath path = solutionPath(word);
    std::vector<PlacedLetter> letters;
    for (int step = 0; step < path.length; ++step) {
        letters.push_back(placedLetterOf(path.cells[step]));
    }
    return pathText(word, line.size() != word.size(), letters);
}

// The item last told, so that a key that leaves the selection where it was (Down at the list's
// end) says nothing again; -1 when none has been.
LRESULT toldItem = -1;

// Marks on the board the path of the word selected in the list, and announces it when the
// selection has moved.
void markSelectedWord(HWND dialog, HWND list)
{
    LRESULT item = SendMessageA(list, LB_GETCURSEL, 0, 0);
    LRESULT length = item == LB_ERR ? LB_ERR : SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length == LB_ERR) {
        clearSolutionPath();
        toldItem = -1;
        return;
    }
    std::string line(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&line[0]));
    line.resize(static_cast<std::size_t>(length));
    markSolutionPath(solutionPath(solutionLineWord(line)));
    if (item != toldItem) {
        toldItem = item;
        announceThrough(dialog, IDC_SOLUTIONS_ANNOUNCER, spokenPath(line));
    }
}

// The list takes the focus: a screen reader reads its name and the first word at once, then
// hears the tally.
void prepareForReaders(HWND dialog)
{
    nameControls(dialog, IDD_SOLUTIONS);
    prepareAnnouncers(dialog);
    SetFocus(GetDlgItem(dialog, IDC_SOLUTIONS_LIST));
    toldItem = -1;
    announceOnceSettled(dialog, IDC_SOLUTIONS_ANNOUNCER, solutionsTally());
}

} // namespace

INT_PTR CALLBACK solutionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        showSolutions(dialog);
        placeBesideBoard(dialog);
        prepareForReaders(dialog);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SOLUTIONS_LIST && HIWORD(wParam) == LBN_SELCHANGE) {
            markSelectedWord(dialog, reinterpret_cast<HWND>(lParam));
            return TRUE;
        }
        return closeOnOkOrClose(dialog, message, wParam);
    case WM_CLOSE:
        return closeOnOkOrClose(dialog, message, wParam);
    case WM_DESTROY:
        // However the dialog goes, the marks of its word go with it.
        clearSolutionPath();
        return FALSE;
    default:
        return FALSE;
    }
}

// The menu item is grayed between a New Game and the end of its time; a command sent anyway
// while it is grayed is ignored, since the solutions would give the running game away.
void openSolutions(HWND hwnd)
{
    UINT state = GetMenuState(GetMenu(hwnd), IDM_SOLUTIONS, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1) || (state & MF_GRAYED) != 0) {
        return;
    }
    openChildDialog(IDD_SOLUTIONS, solutionsDialogProc, 0);
}
