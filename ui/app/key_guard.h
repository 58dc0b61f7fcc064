// The guards at a game's edge: keys typed for the game must neither close the closing box unread
// nor press OK in Enter Name before the player has seen it. The key hook asks them about every key.
#pragma once

#include <windows.h>

// The closing box is about to be made (by MessageBoxA, right after this call) and the guard holds
// until endClosingBoxGuard with the id returned:
// - keys stamped before this moment are dropped, wherever they go;
// - only Enter, Space, Escape and Alt+F4 close the box, and only as a fresh press that comes at
//   least 1.5 s after the box appeared and ¾ s after the last key-down addressed to the box;
// - every other key addressed to the box is dropped and, like a repeat, restarts that pause;
//   Ctrl+C (which copies the box's text) and the modifier keys pass; the reading keys (Ctrl+T,
//   Ctrl+B, Ctrl+N) are taken before the guard sees them (ui/app/game_keys.h);
// - keys addressed to other windows (the main window, clicked back into) pass.
// Each box has a guard of its own: a newer box closed does not end an older one's.
int guardClosingBox();
void endClosingBoxGuard(int guard);

// Enter Name has just appeared: Enter, addressed to it, is dropped in its first ¾ s and whenever
// it is a repeat, so that the Enter of a held or hurried key never enters an empty name. Every
// other key passes at once, so a name typed at once keeps every letter. Ends with the dialog.
void guardNameEntry(HWND dialog);

// Whether `window` is, or is inside, a closing box that a guard holds.
bool isClosingBox(HWND window);

// Whether the guards drop this key message, as the key hook takes it from the queue.
bool isDroppedByKeyGuard(const MSG* message);

// Forgets every guard (a test starting afresh).
void endEveryKeyGuard();
