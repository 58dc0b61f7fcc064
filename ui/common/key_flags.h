// What a key message's flags tell, for the key hook and the board control alike.
#pragma once

#include <windows.h>

// Bit 30 of a WM_KEYDOWN's lParam is set on every repeat of a held key.
inline bool isKeyRepeat(LPARAM flags)
{
    return (flags & (LPARAM(1) << 30)) != 0;
}

// Whether `virtualKey` (a modifier, say) was down when the message being handled was sent.
inline bool isKeyHeld(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}
