// The boxes that report something gone wrong: one caption, the system's own reason, any code page.
#pragma once

#include <windows.h>

#include <string>

// The system's own words for an error code, in UTF-8, without the line end they end with.
std::string systemReason(unsigned long error);

// A box captioned ERROR_BOX_TITLE, owned by `owner`, with an exclamation mark and `buttons`. The
// text is UTF-8 and shown through MessageBoxW, so that a folder named outside the ANSI code page
// shows as it is. Returns the button pressed.
int showErrorBox(HWND owner, const std::string& text, UINT buttons);
