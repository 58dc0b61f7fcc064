// What a key message's flags tell, for the key hook and the board control alike.
#pragma once

#include <windows.h>

// Bit 30 of a WM_KEYDOWN's lParam is set on every repeat of a held key.
inline bool isKeyRepeat(LPARAM flags)
{
    return (flags & (LPARAM(1) << 30)) != 0;
}
