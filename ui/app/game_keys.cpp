// The thread's key hook, which sees every key before any dialog manager (DialogBox's own loop,
// which runs the main window, never calls TranslateAccelerator), and its rules.
#include "ui/app/game_keys.h"

#include "ui/app/key_guard.h"
#include "ui/app/reading_keys.h"
#include "ui/common/key_flags.h"
#include "ui/common/ui_state.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"
#include "ui/screen_reader/announcements.h"

namespace {

HHOOK keyHook = nullptr;

bool isRepeat(const MSG* message)
{
    return isKeyRepeat(message->lParam);
}


// Ctrl+T, once per press.
bool takeTimeKey(const MSG* message)
{
    if (message->message != WM_KEYDOWN || message->wParam != 'T' || !isKeyHeld(VK_CONTROL) || isKeyHeld(VK_MENU)) {
        return false;
    }
    if (!isRepeat(message)) {
        announceTimeAskedFor();
    }
    return true;
}

bool isInMainWindowOrItsDialogs(HWND window)
{
    return window != nullptr && mainWindow != nullptr &&
           (GetAncestor(window, GA_ROOT) == mainWindow || openChildDialogOf(window) != nullptr);
}

bool isLetter(WPARAM character)
{
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}

bool isInMainWindow(HWND window)
{
    return window != nullptr && mainWindow != nullptr && GetAncestor(window, GA_ROOT) == mainWindow &&
           IsWindowEnabled(mainWindow);
}

// A letter typed on Submit, the board or the list belongs to the word: it goes into the word
// field, at its end, and the focus follows it there.
void sendLetterToWordField(MSG* message)
{
    HWND wordField = GetDlgItem(mainWindow, IDC_WORD_FIELD);
    if (message->hwnd == wordField || !IsWindowEnabled(wordField)) {
        return;
    }
    SetFocus(wordField);
    LPARAM end = GetWindowTextLengthA(wordField);
    SendMessageA(wordField, EM_SETSEL, static_cast<WPARAM>(end), end);
    message->hwnd = wordField;
}

// F2 deals a timed game and Shift+F2 an untimed one, with Ctrl and Alt up; 0 for other F2s.
UINT dealingCommand()
{
    if (isKeyHeld(VK_CONTROL) || isKeyHeld(VK_MENU)) {
        return 0;
    }
    return isKeyHeld(VK_SHIFT) ? IDM_NEW_UNTIMED_GAME : IDM_NEW_GAME;
}

// Posted, so that the deal runs from the main window's own loop rather than inside the hook. A held
// Enter hands the word in once: its repeats go no further than here.
bool takeMainWindowKey(MSG* message)
{
    if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        return isRepeat(message);
    }
    if (message->message == WM_KEYDOWN && message->wParam == VK_F2) {
        UINT deal = isRepeat(message) ? 0 : dealingCommand();
        if (deal != 0) {
            PostMessageA(mainWindow, WM_COMMAND, deal, 0);
        }
        return true;
    }
    if (message->message == WM_CHAR && isLetter(message->wParam)) {
        sendLetterToWordField(message);
    }
    return false;
}

// A menu's own loop (the menu bar's, a window's system menu) runs on this thread and handles its
// keys before the hook sees them removed: the hook must neither deal nor move the focus behind it.
bool menuLoopRuns()
{
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    return GetGUIThreadInfo(GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE) != 0;
}

// Ctrl+T, Ctrl+B and Ctrl+N read aloud in the main window, its dialogs and the closing box, whose
// guard never sees them: they neither close the box nor hold its closing keys back.
bool takeReadingAloudKey(const MSG* message)
{
    return (isInMainWindowOrItsDialogs(message->hwnd) || isClosingBox(message->hwnd)) &&
           (takeTimeKey(message) || takeReadingKey(message));
}

// Looks at a key message as the hook takes it from the queue, after the guards; may send it to
// another window. True when the key has been used up and must go no further.
bool takeGameKey(MSG* message)
{
    return isInMainWindow(message->hwnd) && takeMainWindowKey(message);
}

// Sees every message a loop takes from the queue; one used up here (by the main window's own
// keys, or by the dialog manager for a child dialog) becomes WM_NULL, so the loop that took it
// does nothing more with it.
LRESULT CALLBACK keyHookProc(int code, WPARAM removal, LPARAM message)
{
    MSG* taken = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && taken->message >= WM_KEYFIRST && taken->message <= WM_KEYLAST) {
        HWND child = openChildDialogOf(taken->hwnd);
        bool menu = menuLoopRuns();
        if ((!menu && takeReadingAloudKey(taken)) || isDroppedByKeyGuard(taken) ||
            (!menu && (takeGameKey(taken) || (child != nullptr && IsDialogMessageA(child, taken))))) {
            taken->message = WM_NULL;
        }
    }
    return CallNextHookEx(keyHook, code, removal, message);
}

} // namespace

void installKeyHook()
{
    if (keyHook == nullptr) {
        keyHook = SetWindowsHookExA(WH_GETMESSAGE, keyHookProc, nullptr, GetCurrentThreadId());
    }
}
