// The thread's key hook: the keys that no dialog manager handles (F2 and Shift+F2 deal, Ctrl+T
// tells the time, a letter typed away from the word field goes into it, and after a game's end no
// key counts until a pause), and the open child dialogs' keyboard.
#pragma once

#include <windows.h>

// The closing box or Enter Name has just appeared: every key typed for the game (Enter above all)
// is dropped, so that it neither dismisses the box unread nor becomes the player's name. A key-down
// acts only once ¾ s have passed both since the box appeared and since the key-down before it.
void guardKeysFromNow();

// The box has closed: keys act again.
void endKeyGuard();

// The same guard for a dialog of the program's own, which ends it by closing.
void guardKeysWhileOpen(HWND dialog);

// On from guardKeysFromNow until the first key-down that it lets through, or the box's closing.
extern bool keyGuardOn;

// Installs the hook, once per thread. It gives the open child dialogs their keyboard (Enter, Tab,
// Shift+Tab) in whatever message loop runs: the main window's modal loop serves only the main
// window's.
void installKeyHook();
