// Keys that no dialog manager handles: F2 deals, a letter typed away from the word field goes into
// it, and for a moment after a game's end no key counts.
#pragma once

#include <windows.h>

// The closing box or Enter Name has just appeared: for the next ¾ of a second every key is
// dropped, so that keys typed for the game (Enter above all) neither dismiss the box unread nor
// become the player's name.
void guardKeysFromNow();

// On from guardKeysFromNow until the ¾ of a second has passed.
extern bool keyGuardOn;

// Looks at a key message as the thread's message hook takes it from the queue; may send it to
// another window. True when the key has been used up and must go no further.
bool takeGameKey(MSG* message);
