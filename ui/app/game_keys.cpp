// The thread's key hook, which sees every key before any dialog manager (DialogBox's own loop,
// which runs the main window, never calls TranslateAccelerator), and its rules.
#include "ui/app/game_keys.h"

#include "ui/common/ui_state.h"
#include "ui/dialogs/child_dialogs.h"
#include "ui/resources/resource_ids.h"

namespace {

HHOOK keyHook = nullptr;

const DWORD KEY_GUARD_MS = 750;

// The moment the guard began, in the clock that stamps each message (GetTickCount's).
DWORD guardStart = 0;

// A key stamped before the guard's end is dropped, and so is one typed before it began that was
// still waiting in the queue.
bool isGuarded(const MSG* message)
{
    if (keyGuardOn && GetTickCount() - guardStart >= KEY_GUARD_MS) {
        keyGuardOn = false;
    }
    return keyGuardOn && static_cast<LONG>(message->time - guardStart) < static_cast<LONG>(KEY_GUARD_MS);
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

// F2 deals a timed game and Shift+F2 an untimed one, with Ctrl and Alt up, once a press: a held
// key's repeats deal nothing more. 0 for any other key.
UINT dealingCommand(const MSG* message)
{
    const LPARAM REPEAT_FLAG = 1 << 30;
    if (message->message != WM_KEYDOWN || message->wParam != VK_F2 || (message->lParam & REPEAT_FLAG) != 0 ||
        GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
        return 0;
    }
    return GetKeyState(VK_SHIFT) < 0 ? IDM_NEW_UNTIMED_GAME : IDM_NEW_GAME;
}

// Posted, so that the deal runs from the main window's own loop rather than inside the hook.
bool takeMainWindowKey(MSG* message)
{
    if (UINT deal = dealingCommand(message)) {
        PostMessageA(mainWindow, WM_COMMAND, deal, 0);
        return true;
    }
    if (message->message == WM_CHAR && isLetter(message->wParam)) {
        sendLetterToWordField(message);
    }
    return false;
}

// Looks at a key message as the hook takes it from the queue; may send it to another window. True
// when the key has been used up and must go no further.
bool takeGameKey(MSG* message)
{
    if (isGuarded(message)) {
        return true;
    }
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
        if (takeGameKey(taken) || (child != nullptr && IsDialogMessageA(child, taken))) {
            taken->message = WM_NULL;
        }
    }
    return CallNextHookEx(keyHook, code, removal, message);
}

} // namespace

bool keyGuardOn = false;

void guardKeysFromNow()
{
    guardStart = GetTickCount();
    keyGuardOn = true;
}

void installKeyHook()
{
    if (keyHook == nullptr) {
        keyHook = SetWindowsHookExA(WH_GETMESSAGE, keyHookProc, nullptr, GetCurrentThreadId());
    }
}
