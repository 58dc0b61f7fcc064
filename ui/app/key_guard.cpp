// The guards of the closing box and of Enter Name, judged key by key from each key's time stamp.
#include "ui/app/key_guard.h"

#include <algorithm>
#include <vector>

#include "ui/common/key_flags.h"

namespace {

// No key closes the closing box before it has stood this long.
const LONG CLOSING_BOX_STANDS_MS = 1500;
// A closing key acts only after this pause since the last key-down addressed to the box.
const LONG CLOSING_PAUSE_MS = 750;
// Enter Name takes no Enter this soon after it appeared.
const LONG NAME_ENTER_GUARD_MS = 750;

// One box's guard. Times are in the clock that stamps each message (GetTickCount's) and are only
// ever compared as signed differences, so that a key stamped before the box appeared counts as
// typed before it, and the clock's wrap after 49.7 days does not matter.
struct KeyGuard {
    int id;
    bool closingBox; // the closing box; otherwise Enter Name
    HWND window;     // the box or the dialog; null until MessageBoxA has made the box
    DWORD shownAt;
    DWORD lastKeyDown; // the last key-down addressed to the window
    bool droppingKey;  // the last key-down judged was dropped: its characters and key-up go too
};

std::vector<KeyGuard> guards;
int lastGuardId = 0;
// Watches the thread's windows being made, from guardClosingBox until the box is made.
HHOOK boxCreationHook = nullptr;

LONG millisecondsBetween(DWORD earlier, DWORD later)
{
    return static_cast<LONG>(later - earlier);
}

bool isKeyDown(const MSG* message)
{
    return message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN;
}

bool isDialogWindow(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

// MessageBoxA makes the box before anything else: the first top-level dialog window made after
// guardClosingBox is the box of the newest guard that has none yet.
LRESULT CALLBACK boxCreationProc(int code, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = boxCreationHook;
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTA* creation = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        auto waiting = std::find_if(guards.rbegin(), guards.rend(),
                                    [](const KeyGuard& guard) { return guard.closingBox && guard.window == nullptr; });
        if ((creation->style & WS_CHILD) == 0 && isDialogWindow(window) && waiting != guards.rend()) {
            waiting->window = window;
            UnhookWindowsHookEx(boxCreationHook);
            boxCreationHook = nullptr;
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// ---- the rules ----

bool isModifierKey(WPARAM key)
{
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN || key == VK_RWIN;
}

// Enter, Space and Escape as the box's buttons take them, and Alt+F4 (bit 29: Alt is down).
bool isClosingKey(const MSG* message)
{
    if (message->message == WM_SYSKEYDOWN) {
        return message->wParam == VK_F4 && (message->lParam & (LPARAM(1) << 29)) != 0;
    }
    return message->wParam == VK_RETURN || message->wParam == VK_SPACE || message->wParam == VK_ESCAPE;
}

bool isCopyKey(const MSG* message)
{
    return message->message == WM_KEYDOWN && message->wParam == 'C' && isKeyHeld(VK_CONTROL) && !isKeyHeld(VK_MENU);
}

// A player still typing, or holding a key, never closes the box: each key-down restarts the pause.
bool dropsAtClosingBox(KeyGuard& guard, const MSG* message)
{
    if (!isKeyDown(message)) {
        return guard.droppingKey;
    }
    if (isModifierKey(message->wParam)) {
        return false;
    }
    bool acts = isClosingKey(message) && !isKeyRepeat(message->lParam) &&
                millisecondsBetween(guard.shownAt, message->time) >= CLOSING_BOX_STANDS_MS &&
                millisecondsBetween(guard.lastKeyDown, message->time) >= CLOSING_PAUSE_MS;
    guard.lastKeyDown = message->time;
    guard.droppingKey = !acts && !isCopyKey(message);
    return guard.droppingKey;
}

bool isEnter(const MSG* message)
{
    return message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

bool isEnterCharacter(const MSG* message)
{
    return message->message == WM_CHAR && (message->wParam == '\r' || message->wParam == '\n');
}

// Only Enter is held back: typing overlaps, so a letter's character that comes after a dropped
// Enter still lands.
bool dropsAtNameEntry(KeyGuard& guard, const MSG* message)
{
    if (isEnterCharacter(message)) {
        return guard.droppingKey;
    }
    if (!isEnter(message)) {
        return false;
    }
    guard.droppingKey =
        isKeyRepeat(message->lParam) || millisecondsBetween(guard.shownAt, message->time) < NAME_ENTER_GUARD_MS;
    return guard.droppingKey;
}

// A key typed before a closing box appeared was meant for the game, wherever it is addressed; so
// are the characters and the key-up that follow it to the box.
bool typedBeforeABox(const MSG* message)
{
    bool before = false;
    for (KeyGuard& guard : guards) {
        if (guard.closingBox && millisecondsBetween(guard.shownAt, message->time) < 0) {
            guard.droppingKey = guard.droppingKey || isKeyDown(message);
            before = true;
        }
    }
    return before;
}

void forgetClosedNameDialogs()
{
    guards.erase(std::remove_if(guards.begin(), guards.end(),
                                [](const KeyGuard& guard) { return !guard.closingBox && !IsWindow(guard.window); }),
                 guards.end());
}

void addGuard(bool closingBox, HWND window)
{
    DWORD now = GetTickCount();
    guards.push_back(KeyGuard{++lastGuardId, closingBox, window, now, now, false});
}

} // namespace

int guardClosingBox()
{
    addGuard(true, nullptr);
    if (boxCreationHook == nullptr) {
        boxCreationHook = SetWindowsHookExA(WH_CBT, boxCreationProc, nullptr, GetCurrentThreadId());
    }
    return lastGuardId;
}

void endClosingBoxGuard(int guard)
{
    guards.erase(
        std::remove_if(guards.begin(), guards.end(), [guard](const KeyGuard& kept) { return kept.id == guard; }),
        guards.end());
    // A box that was never made leaves the watch on.
    bool waiting = std::any_of(guards.begin(), guards.end(),
                               [](const KeyGuard& kept) { return kept.closingBox && kept.window == nullptr; });
    if (!waiting && boxCreationHook != nullptr) {
        UnhookWindowsHookEx(boxCreationHook);
        boxCreationHook = nullptr;
    }
}

void guardNameEntry(HWND dialog)
{
    if (dialog != nullptr) {
        addGuard(false, dialog);
    }
}

bool isClosingBox(HWND window)
{
    HWND root = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    return root != nullptr && std::any_of(guards.begin(), guards.end(), [root](const KeyGuard& guard) {
               return guard.closingBox && guard.window == root;
           });
}

bool isDroppedByKeyGuard(const MSG* message)
{
    forgetClosedNameDialogs();
    if (typedBeforeABox(message)) {
        return true;
    }
    HWND root = message->hwnd != nullptr ? GetAncestor(message->hwnd, GA_ROOT) : nullptr;
    for (KeyGuard& guard : guards) {
        if (root != nullptr && guard.window == root) {
            return guard.closingBox ? dropsAtClosingBox(guard, message) : dropsAtNameEntry(guard, message);
        }
    }
    return false;
}

void endEveryKeyGuard()
{
    guards.clear();
    if (boxCreationHook != nullptr) {
        UnhookWindowsHookEx(boxCreationHook);
        boxCreationHook = nullptr;
    }
}
