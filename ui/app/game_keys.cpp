// Keys that no dialog manager handles, seen by the thread's message hook before any dialog manager:
// DialogBox's own loop, which runs the main window, never calls TranslateAccelerator.
#include "ui/app/game_keys.h"

#include "ui/resources/resource_ids.h"
#include "ui/common/ui_state.h"

namespace {

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

// Posted, so that the deal runs from the main window's own loop rather than inside the hook.
bool takeMainWindowKey(MSG* message)
{
    if (message->message == WM_KEYDOWN && message->wParam == VK_F2) {
        PostMessageA(mainWindow, WM_COMMAND, IDM_NEW_GAME, 0);
        return true;
    }
    if (message->message == WM_CHAR && isLetter(message->wParam)) {
        sendLetterToWordField(message);
    }
    return false;
}

} // namespace

bool keyGuardOn = false;

void guardKeysFromNow()
{
    guardStart = GetTickCount();
    keyGuardOn = true;
}

bool takeGameKey(MSG* message)
{
    if (isGuarded(message)) {
        return true;
    }
    return isInMainWindow(message->hwnd) && takeMainWindowKey(message);
}
