// Keys of the main window that its dialog manager never handles: a letter typed away from the
// word field goes into it.
#pragma once

#include <windows.h>

// Looks at a key message as the thread's message hook takes it from the queue; may send it to
// another window. True when the key has been used up and must go no further.
bool takeMainWindowKey(MSG* message);
