// The main window's dialog procedure: start-up, message and command dispatch, colours.
#include "ui/app/main_window.h"

#include <windowsx.h>

#include "engine/dictionary.h"
#include "engine/display.h"
#include "engine/game_life.h"
#include "engine/game_state.h"
#include "engine/submission.h"
#include "scores/high_score_table.h"
#include "ui/app/game_announcements.h"
#include "ui/app/game_keys.h"
#include "ui/app/score_keeping.h"
#include "ui/app/word_clearing.h"
#include "ui/board/board_control.h"
#include "ui/board/board_on_screen.h"
#include "ui/board/board_painting.h"
#include "ui/board/tile_tracing.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_colours.h"
#include "ui/common/word_field.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/dialogs/help_document.h"
#include "ui/dialogs/high_scores_dialog.h"
#include "ui/dialogs/solutions_dialog.h"
#include "ui/dialogs/word_list_report.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"
#include "ui/screen_reader/control_names.h"

namespace {

const char START_TIME_TEXT[] = "3:00";
const char START_STATUS_TEXT[] = " ";
// Posted at start: the word list's box waits until the window is up to own it.
const UINT WM_REPORT_WORD_LIST = WM_APP + 1;
// Posted on a change of DPI: handled once the dialog manager has laid the controls out again.
const UINT WM_FIT_BOARD = WM_APP + 2;
// Posted when the main window is activated while a child dialog keeps it disabled: handled once the
// activation is over.
const UINT WM_RETURN_FOCUS = WM_APP + 3;

void setIcons(HWND hwnd)
{
    HICON icon = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_LETTRO));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// Everything happens before the window is first shown, in this order.
void initialiseMainWindow(HWND hwnd, HWND timeDisplay, HWND wordField)
{
    mainWindow = hwnd;
    setIcons(hwnd);
    loadDictionary();
    PostMessageA(hwnd, WM_REPORT_WORD_LIST, 0, 0);
    SendMessageA(timeDisplay, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(START_TIME_TEXT));
    showStatus(START_STATUS_TEXT);
    loadTileBitmaps();
    placeBoardControl();
    letFingersTrace();
    gameState.boardDealt = false;
    keepCaretAtEndOnFocus(wordField);
    EnableWindow(wordField, FALSE);
    EnableWindow(GetDlgItem(hwnd, IDC_SUBMIT), FALSE);
    SendDlgItemMessageA(hwnd, IDC_WORD_FIELD, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    // A file that cannot be read now starts an empty table, and its error is not shown: a save
    // reads the file again before writing and reports a failure then.
    loadHighScoresUnderLock();
    sortHighScores();
    installKeyHook();
    readContrastSetting();
    nameControls(hwnd, IDD_MAIN);
    prepareAnnouncers(hwnd);
}

// Commands are told apart by the low word of wParam alone.
INT_PTR dispatchCommand(HWND hwnd, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_SUBMIT:
        submitWord(SUBMIT_BUTTON);
        return FALSE;
    case IDM_NEW_GAME:
        startNewGame();
        announceDeal();
        return FALSE;
    case IDM_NEW_UNTIMED_GAME:
        startUntimedGame();
        announceDeal();
        return FALSE;
    case IDM_END_GAME:
        endGameByPlayer();
        return FALSE;
    case IDCANCEL:
        // Escape, from the dialog manager: it never closes the main window. During a trace it
        // only cancels the trace.
        if (!cancelTrace()) {
            clearWordOnEscape();
        }
        return TRUE;
    case IDM_EXIT:
        leaveProgram(hwnd);
        return TRUE;
    case IDM_ABOUT:
        openChildDialog(IDD_ABOUT, aboutDialogProc, 0);
        return FALSE;
    case IDM_HIGH_SCORES:
        openChildDialog(IDD_HIGH_SCORES, highScoresDialogProc, 0);
        return FALSE;
    case IDM_HELP:
        openHelp(hwnd);
        return FALSE;
    case IDM_SOLUTIONS:
        openSolutions(hwnd);
        return FALSE;
    default:
        return FALSE;
    }
}

// The click's place in client pixels, as its message holds it: where the button went down, even
// when the cursor has moved on by the time the message is handled.
void pressAt(LPARAM lParam)
{
    pressOnBoard(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// With the mouse captured, a move's place may lie outside the window: negative, hence GET_X_LPARAM.
void slideTo(WPARAM wParam, LPARAM lParam)
{
    slideOverBoard(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
}

// A traced word goes in exactly as Enter hands in the word field's.
void releaseAt()
{
    if (releaseTrace()) {
        submitWord(SUBMIT_BUTTON);
    }
}

// A move to a monitor of another DPI (per-monitor awareness): the dialog manager takes the
// suggested rectangle and lays the controls out again from the template, the board control with
// them; the board is then laid back over the tiles, which are drawn for the new DPI.
void followDpiChange(HWND hwnd)
{
    PostMessageA(hwnd, WM_FIT_BOARD, 0, 0);
}

void fitBoardToDpi(HWND hwnd)
{
    fitBoardControl();
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The game never holds up a shutdown: a dialog answers through DWLP_MSGRESULT.
INT_PTR allowSessionEnd(HWND hwnd)
{
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

INT_PTR answerPenGestures(HWND hwnd)
{
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, penGesturesForTracing());
    return TRUE;
}

// A double-click hands the word in only while Enter and Submit can: never outside a game. A touch
// screen's quick second tap, right after a traced word, starts the next word instead.
void submitOnDoubleClick(HWND wordField, LPARAM lParam)
{
    if (!pressAfterTracedWord(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) && IsWindowEnabled(wordField)) {
        submitWord(SUBMIT_DOUBLE_CLICK);
    }
}

// The focus never stays on the bare window, where a reader finds nothing to read and keys do
// nothing: while a child dialog is open it goes back there, otherwise the dialog manager puts it
// on the control that last had it, or on the first Tab stop.
INT_PTR keepFocusOnAControl(HWND hwnd)
{
    if (!IsWindowEnabled(hwnd) && anyChildDialogOpen()) {
        PostMessageA(hwnd, WM_RETURN_FOCUS, 0, 0);
        return TRUE;
    }
    return FALSE;
}

void followSystemColours(HWND hwnd)
{
    readContrastSetting();
    InvalidateRect(hwnd, nullptr, TRUE);
}

} // namespace

INT_PTR CALLBACK mainDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Fetched on every message, before WM_INITDIALOG too: the status line may be written by any
    // message's handling (a solve at start-up, a tick), and a stored handle could be a stale one.
    HWND timeDisplay = GetDlgItem(hwnd, IDC_TIME_DISPLAY);
    HWND wordField = GetDlgItem(hwnd, IDC_WORD_FIELD);
    statusLine = GetDlgItem(hwnd, IDC_STATUS_LINE);
    switch (message) {
    case WM_SETFOCUS:
        return keepFocusOnAControl(hwnd);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            keepFocusOnAControl(hwnd);
        }
        return FALSE;
    case WM_RETURN_FOCUS:
        returnFocusToOpenDialog();
        return TRUE;
    case WM_SETTEXT:
        return TRUE;
    case WM_PAINT:
        if (gameState.boardDealt) {
            paintBoard(hwnd);
        }
        return FALSE;
    case WM_CLOSE:
        leaveProgram(hwnd);
        return TRUE;
    case WM_QUERYENDSESSION:
        return allowSessionEnd(hwnd);
    case WM_ENDSESSION:
        if (wParam) {
            leaveAtSessionEnd(hwnd);
        }
        return TRUE;
    case WM_INITDIALOG:
        initialiseMainWindow(hwnd, timeDisplay, wordField);
        return TRUE;
    case WM_COMMAND:
        return dispatchCommand(hwnd, wParam);
    case WM_TIMER:
        countdownTick();
        return FALSE;
    case WM_CTLCOLORDLG:
        return dialogBackground();
    case WM_CTLCOLORSTATIC:
        return colourStatic(reinterpret_cast<HDC>(wParam));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        followSystemColours(hwnd);
        return FALSE;
    case WM_REPORT_WORD_LIST:
        reportUnusableWordList(hwnd);
        return TRUE;
    case WM_DPICHANGED:
        followDpiChange(hwnd);
        return FALSE;
    case WM_FIT_BOARD:
        fitBoardToDpi(hwnd);
        return TRUE;
    case WM_HELP:
        // F1, as the system delivers it.
        openHelp(hwnd);
        return TRUE;
    case WM_LBUTTONDOWN:
        pressAt(lParam);
        return FALSE;
    case WM_LBUTTONDBLCLK:
        submitOnDoubleClick(wordField, lParam);
        return FALSE;
    case WM_MOUSEMOVE:
        slideTo(wParam, lParam);
        return FALSE;
    case WM_LBUTTONUP:
        releaseAt();
        return FALSE;
    case WM_TABLET_QUERYSYSTEMGESTURESTATUS:
        return answerPenGestures(hwnd);
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        // Another window took the mouse, or the system cancels modes (a box appears): the
        // dialog manager's default handling of WM_CANCELMODE then goes on.
        cancelTrace();
        return FALSE;
    default:
        return FALSE;
    }
}
