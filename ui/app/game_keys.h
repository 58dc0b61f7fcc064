// The thread's key hook: the keys that no dialog manager handles (F2 and Shift+F2 deal, Ctrl+T
// tells the time, also over the closing box, a letter typed away from the word field goes into it,
// a held Enter hands a word in once, and the guards of a game's end, ui/app/key_guard.h), and the
// open child dialogs' keyboard; while a menu runs, only the guards act.
#pragma once

#include <windows.h>

// Installs the hook, once per thread. It gives the open child dialogs their keyboard (Enter, Tab,
// Shift+Tab) in whatever message loop runs: the main window's modal loop serves only the main
// window's.
void installKeyHook();
