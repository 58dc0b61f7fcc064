// The thread's key hook: the keys that no dialog manager handles (F2 deals, a letter typed away
// from the word field goes into it, and for a moment after a game's end no key counts), and the
// open child dialogs' keyboard.
#pragma once

#include <windows.h>

// The closing box or Enter Name has just appeared: for the next ¾ of a second every key is
// dropped, so that keys typed for the game (Enter above all) neither dismiss the box unread nor
// become the player's name.
void guardKeysFromNow();

// On from guardKeysFromNow until the ¾ of a second has passed.
extern bool keyGuardOn;

// Installs the hook, once per thread. It gives the open child dialogs their keyboard (Enter, Tab,
// Shift+Tab) in whatever message loop runs: the main window's modal loop serves only the main
// window's.
void installKeyHook();
